// SPDX-License-Identifier: MIT
#pragma once

#include <QMap>
#include <QString>
#include <QStringList>
#include <QVariant>

#include <initializer_list>
#include <utility>

// The store in which a control keeps its properties when its window is saved, and from which
// the control reads them back when the window is created again. Keys are matched without regard
// to case. A value equal to its default is never stored, and reading an absent key gives the
// reader's default, so a store holds only what differs from the defaults.
class PropertyBag
{
public:
    PropertyBag() = default;
    // A store as a window saved it, e.g. {{"text", ...}, {"url", ...}}.
    PropertyBag(std::initializer_list<std::pair<QString, QVariant>> initial);

    QVariant ReadProperty(const QString &key, const QVariant &defaultValue) const;
    void WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue);

    // Conversions of a read value; both throw PropertyError when the value cannot convert.
    static QString toString(const QVariant &value);
    // True from true, a non-zero integer or "True"; False from false, 0 or "False" (any case).
    static bool toBoolean(const QVariant &value);

    bool contains(const QString &key) const;
    bool isEmpty() const { return entries.isEmpty(); }
    // The stored keys as they were last written.
    QStringList keys() const;

private:
    struct Entry
    {
        QString key;
        QVariant value;
    };

    // Indexed by the case-folded key.
    QMap<QString, Entry> entries;
};
