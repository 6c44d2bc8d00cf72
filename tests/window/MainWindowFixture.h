#pragma once
// A real main window on a real demo service: SERVER.INI in a folder of its
// own, the program's FLTK pump, and every message box answered and recorded.
#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>

#include "window/MainWindow.h"
#include "monitor/Settings.h"
#include "platform/AtomicFile.h"
#include "toolkit/FltkPump.h"
#include "toolkit/HintController.h"
#include "tests/support/DemoService.h"
#include "tests/support/Gui.h"
#include "tests/support/TempDir.h"

namespace lookout::test {

class MainWindowFixture : public ::testing::Test {
protected:
    void SetUp() override {
        dir_ = temp_.String();
        iniPath_ = dir_ + "/SERVER.INI";
    }
    void TearDown() override {
        window_.reset();
    }

    void WriteIni(const std::string& bytes) { std::ofstream(iniPath_, std::ios::binary) << bytes; }
    std::string ReadIni() const { return ReadWholeFile(iniPath_); }
    std::string IniFor(const DemoServiceProcess& demo, const std::string& extra = "") const {
        return "100\r\n80\r\n" + demo.BaseUrl() + "\r\n" + demo.BaseUrl() + "ipmap/\r\nworld1\r\n" + extra;
    }

    TLOOK_MAIN& Open() {
        window_ = std::make_unique<TLOOK_MAIN>(pump_, hints_, iniPath_, LoadSettings(iniPath_));
        opened_.clear();
        window_->SetShellOpener([this](const std::string& target) { opened_.push_back(target); });
        window_->show();
        return *window_;
    }
    bool Idle() const { return window_->Timer().Enabled() && !window_->Http().Busy(); }

    FltkPump pump_;
    HintController hints_{pump_};
    MessageBoxAnswerer answerer_;
    TempDir temp_{"lookout-gui"};
    std::string dir_, iniPath_;
    std::unique_ptr<TLOOK_MAIN> window_;
    std::vector<std::string> opened_;
};

}  // namespace lookout::test
