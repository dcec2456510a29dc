#pragma once

#include <QDateTime>
#include <QString>

// A value read from the library database, with the storage type the column
// declares. Only the database layer creates these; everybody else turns them
// into display text with FormatFieldValue at once.
struct CFieldValue
{
    enum class Type
    {
        Empty,
        Null,
        Int16,
        Int32,
        Single,
        Double,
        Currency,
        Date,
        Text,
        Boolean,
        Byte,
        Other
    };

    Type type = Type::Empty;
    qint64 integer = 0;  // Int16, Int32, Boolean, Byte
    double number = 0.0; // Single, Double, Currency
    QDateTime date;      // Date
    QString text;        // Text

    static CFieldValue Null() { return {Type::Null, 0, 0.0, {}, {}}; }
    static CFieldValue FromInt(qint64 v, Type t = Type::Int32) { return {t, v, 0.0, {}, {}}; }
    static CFieldValue FromNumber(double v, Type t = Type::Double) { return {t, 0, v, {}, {}}; }
    static CFieldValue FromDate(const QDateTime &v) { return {Type::Date, 0, 0.0, v, {}}; }
    static CFieldValue FromText(const QString &v) { return {Type::Text, 0, 0.0, {}, v}; }
};
