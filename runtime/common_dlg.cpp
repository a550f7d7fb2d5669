// CommonDlg: the stored properties of a file dialog, held by an invisible child window. The dialog
// itself runs from these properties (ShowFileDialog).
#include "runtime/component_kinds.h"

namespace tessavia {
namespace {

// Own property numbers (the property number minus 8).
enum : int32_t {
  kDialogType = 0,
  kTitle,
  kFileName,
  kFilter,
  kInitialFilter,
  kInitialFolder,
  kDefaultExtension,
  kPromptCreate,
  kFileMustExist,
  kPromptOverwrite,
  kPathMustExist,
  kKeepCurrentFolder,
  kOwnCount
};

class CommonDlg final : public Component {
 public:
  CommonDlg(MainWindow& owner, const ComponentEntry& entry, const CommonDlgSettings& s) : Component(owner, entry) {
    numbers_[kDialogType] = s.dialogType;
    numbers_[kInitialFilter] = s.initialFilter;
    numbers_[kPromptCreate] = s.promptCreate;
    numbers_[kFileMustExist] = s.fileMustExist;
    numbers_[kPromptOverwrite] = s.promptOverwrite;
    numbers_[kPathMustExist] = s.pathMustExist;
    numbers_[kKeepCurrentFolder] = s.keepCurrentFolder;
  }

  bool CanBeShown() const override { return false; }

  PropertyType OwnType(int32_t own) const override {
    switch (own) {
      case kDialogType: return PropertyType::Choice;
      case kTitle:
      case kFileName:
      case kFilter:
      case kInitialFolder:
      case kDefaultExtension: return PropertyType::Text;
      case kInitialFilter: return PropertyType::Integer;
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
    if (own == kDialogType) n = n > 3 ? 3 : n;  // negatives are 0 already
    if (own == kInitialFilter && n < 0) n = 0;
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
