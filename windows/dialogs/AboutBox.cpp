// SPDX-License-Identifier: MIT
#include "AboutBox.h"

#include <QApplication>
#include <QMessageBox>

namespace {

QString link(const QString &target, const QString &text)
{
    return QStringLiteral("<a href=\"%1\">%2</a>").arg(target.toHtmlEscaped(), text.toHtmlEscaped());
}

} // namespace

void AboutBox::show(QWidget *parent, const QString &webAddress, const QString &contactAddress)
{
    const QString text
        = QStringLiteral("<p><b>%1</b><br>%2</p><p>%3</p><p>%4<br>%5</p><p>%6 %7<br>%8 %9</p>")
              .arg(tr("Brindlecast Match Maker").toHtmlEscaped(),
                   tr("Version %1").arg(QStringLiteral(MATCHMAKER_VERSION)).toHtmlEscaped(),
                   tr("Which cast member are you most compatible with? A quiz for the audience of the "
                      "television show Brindlecast.")
                       .toHtmlEscaped(),
                   tr("Copyright (c) 2026 Brindlecast Match Maker developers").toHtmlEscaped(),
                   tr("Released under the MIT licence.").toHtmlEscaped(), tr("Website:").toHtmlEscaped(),
                   link(webAddress, webAddress), tr("Email:").toHtmlEscaped(),
                   link("mailto:" + contactAddress, contactAddress));
    auto *box = new QMessageBox(parent);
    box->setObjectName("AboutBox");
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowTitle(tr("About Brindlecast Match Maker"));
    box->setIconPixmap(parent->windowIcon().pixmap(32));
    box->setTextFormat(Qt::RichText);
    box->setText(text);
    box->setStandardButtons(QMessageBox::Ok);
    box->open();
}
