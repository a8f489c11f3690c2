// SPDX-FileCopyrightText: The Tunewell authors
// SPDX-License-Identifier: MIT

#include "MessageBox.h"

#include "Controls.h"
#include "Form.h"

QMessageBox::StandardButton MsgBox(const QString &text, MessageIcon icon,
                                   QMessageBox::StandardButtons buttons)
{
    QMessageBox box(icon == MessageIcon::Critical ? QMessageBox::Critical
                                                  : QMessageBox::Information,
                    QString::fromLatin1(ApplicationTitle), displayText(text), buttons);
    box.setTextFormat(Qt::PlainText);
    return static_cast<QMessageBox::StandardButton>(box.exec());
}
