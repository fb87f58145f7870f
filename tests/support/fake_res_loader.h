// Fakes of the resource loaders, registered while they live.
// FakeResLoader loads "<LanguageID>:<source>" and counts how often its
// resource file and language were set; FakeFrmResLoader records the
// languages that forms were given.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "platform/hostapi/res_loader.h"
#include "platform/object.h"

namespace lumo::testing {

class FakeResLoader {
 public:
  FakeResLoader()
      : registration_(kResLoaderProgId,
                      [state = state_] { return std::make_shared<Instance>(state); }) {}

  const std::string& resFileBaseName() const { return state_->baseName; }
  int languageSets() const { return state_->languageSets; }

 private:
  struct State {
    std::string baseName;
    std::string language;
    int languageSets = 0;
  };

  class Instance : public IResLoader {
   public:
    explicit Instance(std::shared_ptr<State> state) : state_(std::move(state)) {}
    std::string ResFileBaseName() override { return state_->baseName; }
    void SetResFileBaseName(const std::string& name) override { state_->baseName = name; }
    std::string LanguageID() override { return state_->language; }
    void SetLanguageID(const std::string& language) override {
      state_->language = language;
      ++state_->languageSets;
    }
    std::string LoadString(const std::string& source) override {
      return state_->language + ":" + source;
    }

   private:
    std::shared_ptr<State> state_;
  };

  std::shared_ptr<State> state_ = std::make_shared<State>();
  ScopedRegistration registration_;
};

class FakeFrmResLoader {
 public:
  FakeFrmResLoader()
      : registration_(kFrmResLoaderProgId,
                      [languages = languages_] { return std::make_shared<Instance>(languages); }) {}

  const std::vector<std::string>& fontLanguages() const { return *languages_; }

 private:
  class Instance : public IFrmResLoader {
   public:
    explicit Instance(std::shared_ptr<std::vector<std::string>> languages)
        : languages_(std::move(languages)) {}
    void SetFrmFont(const ObjectRef&, const std::string& language) override {
      languages_->push_back(language);
    }

   private:
    std::shared_ptr<std::vector<std::string>> languages_;
  };

  std::shared_ptr<std::vector<std::string>> languages_ =
      std::make_shared<std::vector<std::string>>();
  ScopedRegistration registration_;
};

}  // namespace lumo::testing
