// SPDX-License-Identifier: MIT
#include "PropertyBag.h"

#include "PropertyError.h"

namespace {

QString folded(const QString &key)
{
    return key.toCaseFolded();
}

bool isInteger(const QVariant &value)
{
    switch (value.typeId()) {
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
        return true;
    default:
        return false;
    }
}

QString booleanText(bool value)
{
    return value ? QStringLiteral("True") : QStringLiteral("False");
}

[[noreturn]] void cannotConvert(const QVariant &value, const char *target)
{
    throw PropertyError(QStringLiteral("The stored value '%1' cannot be converted to %2")
                            .arg(value.toString(), QLatin1String(target))
                            .toStdString());
}

bool booleanFromText(const QVariant &value)
{
    const QString text = value.toString().trimmed();
    if (text.compare(booleanText(true), Qt::CaseInsensitive) == 0)
        return true;
    if (text.compare(booleanText(false), Qt::CaseInsensitive) == 0)
        return false;
    bool isNumber = false;
    const qlonglong number = text.toLongLong(&isNumber);
    if (!isNumber)
        cannotConvert(value, "a Boolean");
    return number != 0;
}

} // namespace

PropertyBag::PropertyBag(std::initializer_list<std::pair<QString, QVariant>> initial)
{
    for (const auto &[key, value] : initial)
        entries.insert(folded(key), { key, value });
}

QVariant PropertyBag::ReadProperty(const QString &key, const QVariant &defaultValue) const
{
    const auto found = entries.constFind(folded(key));
    return found == entries.cend() ? defaultValue : found->value;
}

void PropertyBag::WriteProperty(const QString &key, const QVariant &value, const QVariant &defaultValue)
{
    if (value == defaultValue) {
        entries.remove(folded(key));
        return;
    }
    entries.insert(folded(key), { key, value });
}

QString PropertyBag::toString(const QVariant &value)
{
    if (value.typeId() == QMetaType::QString)
        return value.toString();
    if (value.typeId() == QMetaType::Bool)
        return booleanText(value.toBool());
    if (isInteger(value) || value.typeId() == QMetaType::Double)
        return value.toString();
    cannotConvert(value, "text");
}

bool PropertyBag::toBoolean(const QVariant &value)
{
    if (value.typeId() == QMetaType::Bool)
        return value.toBool();
    if (isInteger(value))
        return value.toLongLong() != 0;
    if (value.typeId() == QMetaType::QString)
        return booleanFromText(value);
    cannotConvert(value, "a Boolean");
}

bool PropertyBag::contains(const QString &key) const
{
    return entries.contains(folded(key));
}

QStringList PropertyBag::keys() const
{
    QStringList stored;
    for (const Entry &entry : entries)
        stored.append(entry.key);
    return stored;
}
