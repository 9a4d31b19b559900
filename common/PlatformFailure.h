// Saying in Italian why Qt's windowing system could not start, before Qt ends the program.
#pragma once

#include <QString>

#include <functional>

// From now on, when Qt cannot start its platform (the display DISPLAY names does not answer, the
// platform's plugin is missing or fails), `report` is called with the cause in Italian words, such as
// "lo schermo «:0» non risponde", in place of Qt's English message. `report` runs inside Qt's message
// handler and should end the program (std::_Exit); if it returns, Qt aborts as it would have. Qt's
// own warnings that led there are held back. Call it before the application object is made.
void OnPlatformFailure(std::function<void(const QString& reason)> report);
