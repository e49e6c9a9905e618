// The one message a test expects the core to have shown through the fake port.
#pragma once
#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "tests/fakes/fake_ports.h"

// Exactly one message was shown, over owner, with this text, caption and
// style; a null caption stands for the platform's default one. Call it inside
// ASSERT_NO_FATAL_FAILURE so that a test ends where no message was shown.
inline void ExpectOnlyMessage(const FakeMessagePort& messages, void* owner, const char16_t* text,
                              const char16_t* caption, uint32_t style) {
    ASSERT_EQ(messages.Shown.size(), 1u);
    const ShownMessage& shown = messages.Shown[0];
    EXPECT_EQ(shown.Owner, owner);
    EXPECT_EQ(shown.Text, text);
    if (caption)
        EXPECT_EQ(shown.Caption, caption);
    else
        EXPECT_FALSE(shown.HasCaption) << "the platform's default caption";
    EXPECT_EQ(shown.Style, style);
}
