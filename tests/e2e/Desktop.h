// A test on one desktop: its own X server, with the window manager the
// test is instantiated for, started before the test and stopped after.
#pragma once

#include "XDisplay.h"

#include <gtest/gtest.h>

#include <memory>

class OnDesktop : public ::testing::TestWithParam<WindowManager> {
protected:
    void SetUp() override { Screen = std::make_unique<XDisplay>(GetParam()); }
    void TearDown() override { Screen.reset(); }

    std::unique_ptr<XDisplay> Screen;
};

inline std::string DesktopName(const ::testing::TestParamInfo<WindowManager>& info)
{
    return NameOf(info.param);
}
