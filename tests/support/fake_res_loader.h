// A fake of both resource loaders, "LumoResLoader.Loader" and
// "FrmRes.FrmResLoader", registered while it lives. Texts load as
// "<LanguageID>:<source>"; every setting is recorded as "base <name>",
// "language <id>" or "font <id>".
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "hostapi/res_loader.h"

namespace lumo::testing {

struct FakeResLoaders {
  struct Loaders : IResLoader, IFrmResLoader {
    std::string baseName, language;
    std::vector<std::string> events;
    std::string ResFileBaseName() override { return baseName; }
    void SetResFileBaseName(const std::string& name) override {
      events.push_back("base " + (baseName = name));
    }
    std::string LanguageID() override { return language; }
    void SetLanguageID(const std::string& id) override {
      events.push_back("language " + (language = id));
    }
    std::string LoadString(const std::string& source) override { return language + ":" + source; }
    void SetFrmFont(const ObjectRef&, const std::string& id) override {
      events.push_back("font " + id);
    }
  };
  std::shared_ptr<Loaders> loaders = std::make_shared<Loaders>();
  // Each ProgID hands out the object through its own interface (Object is a base twice).
  ScopedRegistration text{kResLoaderProgId,
                          [l = loaders] { return std::shared_ptr<IResLoader>(l); }};
  ScopedRegistration form{kFrmResLoaderProgId,
                          [l = loaders] { return std::shared_ptr<IFrmResLoader>(l); }};
};

}  // namespace lumo::testing
