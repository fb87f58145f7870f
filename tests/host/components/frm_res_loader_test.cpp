#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "host/components/res_loader.h"
#include "hostapi/form.h"

namespace lumo::components {
namespace {

struct Form : Object, IForm {
  std::string font = "design";
  std::string FontName() const override { return font; }
  void SetFontName(const std::string& family) override { font = family; }
};

TEST(FrmResLoader, ChineseFormsGetAFontWithTheirScript) {
  const struct {
    const char* language;
    const char* font;
  } cases[] = {
      {"CHS", "WenQuanYi Micro Hei"},
      {"cht", "WenQuanYi Micro Hei"},
      {"EN", "design"},
      {"", "design"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.language);
    auto form = std::make_shared<Form>();
    FrmResLoader().SetFrmFont(form, c.language);
    EXPECT_EQ(form->font, c.font);
  }
  // Anything else is left alone.
  FrmResLoader().SetFrmFont(std::make_shared<FrmResLoader>(), "CHS");
  FrmResLoader().SetFrmFont(nullptr, "CHS");
}

}  // namespace
}  // namespace lumo::components
