#pragma once

// Delivers the pending events of the application, the paint events they
// cause included, until a pass over the queue delivers none: the state a
// user sees once the window has caught up. Returns the paint events that
// were delivered.
int settleEvents();
