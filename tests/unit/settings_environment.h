// A clean AppSettings with the fake ports and an in-memory settings store for
// one test; everything the test leaves behind is freed and cleared.
#pragma once
#include <gtest/gtest.h>

#include "settings/app_settings.h"
#include "settings/bookmarks.h"
#include "platform/ports.h"
#include "tests/fakes/fake_ports.h"
#include "tests/fakes/memory_settings_store.h"
#include "view/article_view.h"

class SettingsEnvironment : public ::testing::Test {
protected:
    ScopedFakePorts Fakes;
    MemorySettingsStore Store;

    void SetUp() override {
        ClearAppSettings();
        savedStore_ = Ports.Store;
        Ports.Store = &Store;
    }
    void TearDown() override {
        if (AppSettings.View) DestroyArticleView(AppSettings.View, kReleaseView);
        FreeBookmarks();
        ClearAppSettings();
        Ports.Store = savedStore_;
    }

private:
    SettingsStore* savedStore_ = nullptr;
};
