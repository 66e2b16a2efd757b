#pragma once

struct StartRequest;
class QDir;

// Constructs the main window on the product database in databaseDir, with
// every tool when the request asks for them, shows it, opens the request's
// project file and runs the event loop until the last window closes; returns
// the event loop's exit code. When the database cannot be loaded nothing is
// shown and the result is 1, so that a failed start is never taken for a success.
int runMainWindow(const QDir &databaseDir, const StartRequest &request);
int runMainWindow(const QDir &databaseDir);
