#include "exchange/LibibReader.h"

#include "exchange/ExportText.h"

#include <QCoreApplication>

namespace {

bool IsWishListName(const QString &text)
{
    const QString key = CTableCatalogueReader::ColumnKey(text);
    return key == u"wishlist" || key == u"wishes";
}

} // namespace

QString CLibibReader::SourceName() const
{
    return QStringLiteral("Libib");
}

bool CLibibReader::TakeHeader(const QStringList &header)
{
    m_began.clear();
    m_completed.clear();
    m_status.clear();
    SetFields(header, {{"title", "Title"},
                       {"eanisbn13", "ISBN"},
                       {"upcisbn10", "ISBN"},
                       {"isbn", "ISBN"},
                       {"description", "Description"},
                       {"publisher", "Publisher"},
                       {"publishdate", "ReleaseDate"},
                       {"notes", "Notes"},
                       {"review", "Notes"},
                       {"price", "PurchasePrice"},
                       {"length", "PageCount"},
                       {"pages", "PageCount"}});
    for (int i = 0; i < header.size(); ++i) {
        const QString key = ColumnKey(header.at(i));
        if (key == u"creators") {
            // Several creators are separated by commas, or by semicolons
            // when the names are written surname first.
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                const bool semicolons = value.contains(u';');
                for (const QString &name : SplitExportList(
                         value, semicolons ? QStringLiteral(";") : QStringLiteral(","))) {
                    book.values.append({column, QStringLiteral("Author"),
                                        semicolons ? NameFirstNameFirst(name) : name});
                }
            });
        } else if (key == u"firstname" || key == u"lastname") {
            // The first creator's name again, in two parts.
            SetAction(i, Ignore());
        } else if (key == u"group") {
            SetAction(i, [](const QString &, const QString &value, CForeignBook &book) {
                book.categories.append(QStringList{value});
                if (IsWishListName(value))
                    book.wishList = true;
            });
        } else if (key == u"tags") {
            SetAction(i, [](const QString &, const QString &value, CForeignBook &book) {
                for (const QString &tag : SplitExportList(value, QStringLiteral(","))) {
                    book.categories.append(QStringList{tag});
                    if (IsWishListName(tag))
                        book.wishList = true;
                }
            });
        } else if (key == u"wishlist") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                if (IsExportYes(value))
                    book.wishList = true;
                else if (value != u"0" && value.compare(u"false", Qt::CaseInsensitive) != 0 &&
                         value.compare(u"no", Qt::CaseInsensitive) != 0)
                    book.values.append({column, QString(), value});
            });
        } else if (key == u"rating") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                if (value.toDouble() > 0)
                    book.values.append({column, QStringLiteral("MyRating"), value});
            });
        } else if (key == u"status") {
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                m_status = value;
            });
        } else if (key == u"began") {
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                m_began = value;
            });
        } else if (key == u"completed") {
            SetAction(i, [this](const QString &, const QString &value, CForeignBook &) {
                m_completed = value;
            });
        } else if (key == u"copies") {
            SetAction(i, [](const QString &column, const QString &value, CForeignBook &book) {
                if (value != u"1")
                    book.values.append({column, QString(), value});
            });
        }
    }
    if (FindColumn(header, {QStringLiteral("title")}) < 0) {
        SetError(
            QCoreApplication::translate("Import", "%1 has no title column: it is no Libib export.")
                .arg(FileName()));
        return false;
    }
    return true;
}

void CLibibReader::FinishRow(CForeignBook &book)
{
    const QString status = ColumnKey(m_status);
    if (!m_began.isEmpty() || !m_completed.isEmpty())
        book.readings.append({m_began, m_completed, QString()});
    else if (status == u"completed")
        book.readCount = 1;
    // "Not begun" is where every book starts; the others say more than the
    // dates.
    if (!m_status.isEmpty() && status != u"notbegun" && status != u"completed")
        book.values.append({QStringLiteral("status"), QString(), m_status});
    m_began.clear();
    m_completed.clear();
    m_status.clear();
}
