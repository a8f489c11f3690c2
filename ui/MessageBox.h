// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#pragma once

#include <QMessageBox>
#include <QString>

enum class MessageIcon { Information, Critical };

// A modal message box titled with the application title; returns the button pressed.
// CR LF or a lone CR in the text breaks the line, as the messages are written that way.
QMessageBox::StandardButton MsgBox(const QString &text, MessageIcon icon,
                                   QMessageBox::StandardButtons buttons = QMessageBox::Ok);
