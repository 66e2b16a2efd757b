#pragma once

// The most fixtures a run may hold. Far above any real run (supplies allow a
// few dozen); it bounds Maximize on a catalogue whose fixtures never reach a
// limit, and anything else that builds runs from outside input.
constexpr int MaxRunFixtures = 1000;
