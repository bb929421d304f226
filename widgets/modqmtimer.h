// SPDX-License-Identifier: MIT
// modQmTimer: the hover timer of the buttons and the window properties it reads.
//
// A timer belongs to a window (widget) and has a caller-chosen identifier, so that the timer of
// one button can be found, restarted and stopped by the identifier alone. Window properties are
// named values attached to a widget; they are visible to any code holding the widget.
#pragma once

#include <QByteArray>
#include <QtGlobal>
#include <functional>

class QWidget;

namespace qm::modQmTimer {

inline constexpr quintptr kHoverTimerId = 237;
inline constexpr int kHoverIntervalMs = 50;
inline constexpr unsigned kTimerMessage = 0x0113;  // the message code a timer callback receives

using TimerProc = void (*)(QWidget* hwnd, unsigned msg, quintptr idEvent, unsigned time);

// Starts (or restarts) timer id on hwnd; the callback runs on the GUI thread every ms
// milliseconds until KillTimer or until hwnd is destroyed.
bool SetTimer(QWidget* hwnd, quintptr id, int ms, TimerProc proc);
bool KillTimer(QWidget* hwnd, quintptr id);
bool IsTimerSet(const QWidget* hwnd, quintptr id);

// Window properties; absent ones read as 0.
void SetProp(QWidget* hwnd, const QByteArray& key, quintptr value);
quintptr GetProp(const QWidget* hwnd, const QByteArray& key);
bool HasProp(const QWidget* hwnd, const QByteArray& key);
void RemoveProp(QWidget* hwnd, const QByteArray& key);

// The widget under the mouse cursor. Replaceable so that tests can move a virtual cursor; an
// empty function restores the real lookup.
using WindowFromCursorFn = std::function<QWidget*()>;
void SetWindowFromCursorFn(WindowFromCursorFn fn);
QWidget* WindowFromCursor();

}  // namespace qm::modQmTimer
