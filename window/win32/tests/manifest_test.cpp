// SPDX-License-Identifier: Apache-2.0
// The manifest that the program carries (and these tests with it), as Windows reads it.
#include <gtest/gtest.h>

#include <string_view>

#include "windows_api.h"

namespace {

std::string_view OwnManifest() {
  const HMODULE self = ::GetModuleHandleW(nullptr);
  HRSRC resource = ::FindResourceW(self, CREATEPROCESS_MANIFEST_RESOURCE_ID, RT_MANIFEST);
  if (resource == nullptr) return {};
  const HGLOBAL loaded = ::LoadResource(self, resource);
  return {static_cast<const char*>(::LockResource(loaded)), ::SizeofResource(self, resource)};
}

TEST(Manifest, AsksForCommonControlsSixAndPerMonitorScaling) {
  const std::string_view manifest = OwnManifest();
  ASSERT_FALSE(manifest.empty());
  EXPECT_NE(manifest.find(R"(name="Microsoft.Windows.Common-Controls" version="6.0.0.0")"),
            std::string_view::npos);
  EXPECT_NE(manifest.find(">PerMonitorV2, PerMonitor<"), std::string_view::npos);
  EXPECT_NE(manifest.find(">true/pm<"), std::string_view::npos);
}

TEST(Manifest, TheProcessScalesItsWindowsItself) {
  const DPI_AWARENESS awareness =
      ::GetAwarenessFromDpiAwarenessContext(::GetThreadDpiAwarenessContext());
  EXPECT_EQ(awareness, DPI_AWARENESS_PER_MONITOR_AWARE);
}

}  // namespace
