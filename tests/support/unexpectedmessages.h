#pragma once

#include <gtest/gtest.h>

/// Fails every test that shows an error or a warning it did not ask to hear.
/// A test that expects messages installs its own TMessageRecorder, which takes
/// them while it lives; whatever reaches this sink was unexpected.
void FailTestsOnUnexpectedMessages();
