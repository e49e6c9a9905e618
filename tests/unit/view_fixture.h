// A test of one article view on the fake device, with the letters at their
// Unicode places; it leaves the global state and allocation as it found them.
#pragma once
#include <gtest/gtest.h>

#include "platform/allocation.h"
#include "settings/app_settings.h"
#include "tests/fakes/fake_text_device.h"
#include "view/article_view.h"
#include "view/letter_codes.h"

class ViewFixture : public ::testing::Test {
protected:
    void SetUp() override {
        ClearAppSettings();
        AppSettings.Font.FontAsciiBase = kUnicodeBase;
    }
    void TearDown() override {
        FailAllocationAfter(-1);
        DestroyArticleView(view, kReleaseView);
        ClearAppSettings();
    }

    FakeTextDevice device;
    ArticleView* view = nullptr;
};
