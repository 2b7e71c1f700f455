// SPDX-License-Identifier: MIT
#pragma once

#include <QAccessibleWidget>

class URLLink;

// What a screen reader is told of a URLLink: a link, named by its accessible name or else by its
// text, described by its target, with a Press action that opens the target as a click does.
class URLLinkAccessible : public QAccessibleWidget
{
public:
    explicit URLLinkAccessible(URLLink *link);

    // Installs the factory that gives each URLLink this interface; only the first call does.
    static void install();

    QString text(QAccessible::Text t) const override;
    QStringList actionNames() const override;
    void doAction(const QString &actionName) override;

private:
    URLLink *link() const;
};
