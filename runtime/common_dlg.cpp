// CommonDlg: the stored properties of a file dialog, held by an invisible child window. The dialog
// itself runs from these properties (ShowFileDialog).
#include "runtime/common_dlg_properties.h"
#include "runtime/component_kinds.h"

namespace tessavia {
namespace {

// Own property numbers: the property number less the eight common ones.
constexpr int32_t Own(CommonDlgProperty property) { return property - 8; }
constexpr int32_t kOwnCount = Own(kCommonDlgPropertyEnd);

class CommonDlg final : public Component {
 public:
  CommonDlg(MainWindow& owner, const ComponentEntry& entry, const CommonDlgSettings& s) : Component(owner, entry) {
    numbers_[Own(kDialogTypeProperty)] = s.dialogType;
    numbers_[Own(kInitialFilterProperty)] = s.initialFilter;
    numbers_[Own(kPromptCreateProperty)] = s.promptCreate;
    numbers_[Own(kFileMustExistProperty)] = s.fileMustExist;
    numbers_[Own(kPromptOverwriteProperty)] = s.promptOverwrite;
    numbers_[Own(kPathMustExistProperty)] = s.pathMustExist;
    numbers_[Own(kKeepCurrentFolderProperty)] = s.keepCurrentFolder;
  }

  bool CanBeShown() const override { return false; }

  PropertyType OwnType(int32_t own) const override {
    switch (own) {
      case Own(kDialogTypeProperty): return PropertyType::Choice;
      case Own(kTitleProperty):
      case Own(kFileNameProperty):
      case Own(kFilterProperty):
      case Own(kInitialFolderProperty):
      case Own(kDefaultExtensionProperty): return PropertyType::Text;
      case Own(kInitialFilterProperty): return PropertyType::Integer;
      default: return PropertyType::Boolean;
    }
  }

  PropertyValue GetOwn(int32_t own) override {
    if (own < 0 || own >= kOwnCount) return {};
    return {numbers_[own], texts_[own]};
  }

  void SetOwn(int32_t own, const PropertyValue& v) override {
    if (own < 0 || own >= kOwnCount) return;
    int32_t n = v.number;
    if (own == Own(kDialogTypeProperty)) n = n > 3 ? 3 : n;  // negatives are 0 already
    if (own == Own(kInitialFilterProperty) && n < 0) n = 0;
    numbers_[own] = n;
    texts_[own] = v.text;
  }

 protected:
  HWND CreatePlatformWindow() override { return MakeChild(OwnClassName(), L"", 0, 0); }

 private:
  int32_t numbers_[kOwnCount] = {};
  std::string texts_[kOwnCount];
};

}  // namespace

std::unique_ptr<Component> MakeCommonDlg(MainWindow& owner, const ComponentEntry& entry, const CommonDlgSettings& s) {
  return std::make_unique<CommonDlg>(owner, entry, s);
}

}  // namespace tessavia
