// SPDX-License-Identifier: Apache-2.0
// The version record and icon that the program's executable carries, read as Windows reads them.
#include "windows_api.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<char> OwnVersionRecord() {
  std::wstring path(MAX_PATH, L'\0');
  path.resize(::GetModuleFileNameW(nullptr, path.data(), MAX_PATH));
  const DWORD size = ::GetFileVersionInfoSizeW(path.c_str(), nullptr);
  std::vector<char> record(size);
  if (size == 0 || !::GetFileVersionInfoW(path.c_str(), 0, size, record.data())) record.clear();
  return record;
}

std::wstring Text(std::vector<char>& record, const wchar_t* name) {
  void* value = nullptr;
  UINT length = 0;
  const std::wstring path = std::wstring(L"\\StringFileInfo\\040904E4\\") + name;
  if (!::VerQueryValueW(record.data(), path.c_str(), &value, &length) || length == 0) return {};
  return std::wstring(static_cast<const wchar_t*>(value), length - 1);
}

TEST(VersionResource, SaysVersionOneInUsEnglish) {
  std::vector<char> record = OwnVersionRecord();
  ASSERT_FALSE(record.empty());
  void* value = nullptr;
  UINT length = 0;
  ASSERT_TRUE(::VerQueryValueW(record.data(), L"\\", &value, &length));
  const auto* fixed = static_cast<const VS_FIXEDFILEINFO*>(value);
  constexpr DWORD kOnePointZero = 1u << 16;  // major version in the high word, minor in the low
  EXPECT_EQ(fixed->dwFileVersionMS, kOnePointZero);
  EXPECT_EQ(fixed->dwProductVersionMS, kOnePointZero);
  EXPECT_EQ(Text(record, L"FileVersion"), L"1.00");
  EXPECT_EQ(Text(record, L"ProductVersion"), L"1.00");
  EXPECT_EQ(Text(record, L"ProductName"), L"Vantrel Area Code");
}

TEST(VersionResource, CarriesTheProgramIcon) {
  const HMODULE self = ::GetModuleHandleW(nullptr);
  for (const int size : {16, 32, 48, 256}) {
    const HANDLE icon = ::LoadImageW(self, L"IDI_ICON1", IMAGE_ICON, size, size, 0);
    ASSERT_NE(icon, nullptr) << size;
    ICONINFO info{};
    ASSERT_TRUE(::GetIconInfo(static_cast<HICON>(icon), &info));
    BITMAP bitmap{};
    ::GetObjectW(info.hbmColor, sizeof bitmap, &bitmap);
    EXPECT_EQ(bitmap.bmWidth, size);
    ::DeleteObject(info.hbmColor);
    ::DeleteObject(info.hbmMask);
    ::DestroyIcon(static_cast<HICON>(icon));
  }
}

}  // namespace
