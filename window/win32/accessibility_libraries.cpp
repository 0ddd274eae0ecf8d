// SPDX-License-Identifier: Apache-2.0
// The system libraries that answer assistive tools, loaded when a tool first asks.
#include "accessibility_libraries.h"

#include <optional>

namespace window {
namespace {

// Most starts meet no assistive tool, and linking these libraries made every start load them
// and start COM, which under wine added some 25 ms to the 130 ms the window took to be shown.
class LoadedLibraries {
 public:
  LoadedLibraries() {
    // Only from the system folder: the program runs in its data folder, which may hold anything.
    HMODULE oleacc = ::LoadLibraryExW(L"oleacc.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    HMODULE oleaut32 = ::LoadLibraryExW(L"oleaut32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    HMODULE ole32 = ::LoadLibraryExW(L"ole32.dll", nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    if (oleacc == nullptr || oleaut32 == nullptr || ole32 == nullptr) return;
    const AccessibilityLibraries found{
        Find<decltype(&::CreateStdAccessibleObject)>(oleacc, "CreateStdAccessibleObject"),
        Find<decltype(&::LresultFromObject)>(oleacc, "LresultFromObject"),
        Find<decltype(&::SysAllocStringLen)>(oleaut32, "SysAllocStringLen")};
    const auto startCom = Find<decltype(&::CoInitializeEx)>(ole32, "CoInitializeEx");
    endCom_ = Find<decltype(&::CoUninitialize)>(ole32, "CoUninitialize");
    if (found.createStdAccessibleObject == nullptr || found.lresultFromObject == nullptr ||
        found.sysAllocStringLen == nullptr || startCom == nullptr || endCom_ == nullptr) {
      return;
    }
    comStarted_ = SUCCEEDED(startCom(nullptr, COINIT_APARTMENTTHREADED));
    libraries_ = found;
  }
  ~LoadedLibraries() {
    if (comStarted_) endCom_();
  }
  LoadedLibraries(const LoadedLibraries&) = delete;
  LoadedLibraries& operator=(const LoadedLibraries&) = delete;

  const AccessibilityLibraries* Get() const { return libraries_ ? &*libraries_ : nullptr; }

 private:
  // GetProcAddress answers every function as one type; this is the named function's own.
  template <typename Function>
  static Function Find(HMODULE library, const char* name) {
    return reinterpret_cast<Function>(
        reinterpret_cast<void (*)()>(::GetProcAddress(library, name)));
  }

  std::optional<AccessibilityLibraries> libraries_;
  decltype(&::CoUninitialize) endCom_ = nullptr;
  bool comStarted_ = false;
};

}  // namespace

const AccessibilityLibraries* LoadAccessibilityLibraries() noexcept {
  static const LoadedLibraries loaded;
  return loaded.Get();
}

}  // namespace window
