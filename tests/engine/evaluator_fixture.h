#pragma once
// A store with recorded messages and helpers that check the contract of
// evaluateLine on every call.
#include "engine/definition_store.h"
#include "engine/evaluate_line.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace quillmar::engine::testing {

class Evaluator : public ::testing::Test {
protected:
    // A definition must be accepted and empty the line.
    void define(const std::string& text)
    {
        std::string line = text;
        Real result = kUntouched;
        ASSERT_TRUE(evaluateLine(store, line, result)) << text;
        EXPECT_EQ(line, "") << text;
        EXPECT_EQ(result, kUntouched) << text;
    }

    // A refused line must leave line and result as they were.
    void refuse(const std::string& text)
    {
        std::string line = text;
        Real result = kUntouched;
        EXPECT_FALSE(evaluateLine(store, line, result)) << text;
        EXPECT_EQ(line, text);
        EXPECT_EQ(result, kUntouched) << text;
    }

    // The value of an expression line, or nothing when it is refused (then line
    // and result must be unchanged). A computed line is never left empty.
    std::optional<Real> compute(const std::string& text)
    {
        std::string line = text;
        Real result = kUntouched;
        if (!evaluateLine(store, line, result)) {
            EXPECT_EQ(line, text);
            EXPECT_EQ(result, kUntouched) << text;
            return std::nullopt;
        }
        EXPECT_FALSE(line.empty()) << text;
        return result;
    }

    static constexpr Real kUntouched = -12345.678L;
    RecordingMessages messages;
    DefinitionStore store{messages};
};

} // namespace quillmar::engine::testing
