// The shared fixture of the profile reader's and writer's tests: a launcher INI with a schema in
// a temporary folder, the settings it makes, and the image slots.
#pragma once

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "settings/profile.h"
#include "settings/schema.h"
#include "support/temp_dir.h"

class ProfileTest : public ::testing::Test {
protected:
    void SetUp() override { m_strLauncherIni = m_dir.File("orvane.ini"); }

    void SetSchema(const std::string& lines, const std::string& launcherSettings = "") {
        WriteBytes(m_strLauncherIni, "[ORVANE Settings]\r\n" + launcherSettings + "[KMX]\r\n" + lines);
        m_settings.clear();
        LoadSchema(m_strLauncherIni, m_settings);
    }

    TempDir m_dir;
    std::string m_strLauncherIni;
    std::vector<SettingItem> m_settings;
    ProfileSlots m_slots;
};
