#pragma once
// A Qt application for the widget tests (offscreen), scripted dialogs, and
// the queue drained between steps.
#include "widgets/window_event.h"

#include <functional>
#include <gtest/gtest.h>
#include <vector>

namespace codarium::widgets::testsupport {

void ensureApplication();

// Lets Qt deliver what is pending, then takes every queued event.
std::vector<WindowEvent> drainEvents();

// Runs `work` on a thread of its own while the GUI thread keeps handling
// events, so that the work's blocking calls to the GUI thread complete.
// Bounded: gives up waiting after `limitMs` (the test then fails).
bool runOnWorker(const std::function<void()>& work, int limitMs = 10000);

class GuiTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;
};

} // namespace codarium::widgets::testsupport
