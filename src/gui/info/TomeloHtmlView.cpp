#include "info/TomeloHtmlView.h"

#include "app/AppSettings.h"
#include "app/StringTable.h"
#include "app/TomeloApp.h"
#include "app/UserPrompt.h"
#include "db/DbAccess.h"
#include "db/StaleFiles.h"
#include "db/TomeloDoc.h"
#include "frame/CommandIds.h"
#include "frame/FileDialogs.h"
#include "frame/MainFrame.h"
#include "frame/WaitCursor.h"
#include "info/InfoPage.h"
#include "info/PagePrinter.h"
#include "xml/BookXmlWriter.h"
#include "xml/StyleFiles.h"

#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrintPreviewDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSaveFile>

namespace {

// A stored related link is a web address, a mail address or a path.
QUrl UrlOfTarget(const QString &pathOrAddress)
{
    static const QRegularExpression scheme(QStringLiteral("^[A-Za-z][A-Za-z0-9+.-]+:[^\\\\]"));
    if (scheme.match(pathOrAddress).hasMatch() && !QFileInfo::exists(pathOrAddress))
        return QUrl(pathOrAddress);
    return QUrl::fromLocalFile(pathOrAddress);
}

// The page folder carries the number of its process, so that the folders of
// windows that were killed can be told from those of windows still open.
const char kPageFolderPrefix[] = "Tomelodex-page-";

// Where this window's page folder goes, once the folders that ended windows
// left there are gone.
QString PageFolderTemplate()
{
    RemoveFoldersOfEndedProcesses(QDir::tempPath(), QLatin1String(kPageFolderPrefix));
    return QDir(QDir::tempPath())
        .filePath(OwnFileNamePrefix(QLatin1String(kPageFolderPrefix)) + QStringLiteral("XXXXXX"));
}

} // namespace

CTomeloHtmlView::CTomeloHtmlView(CTomeloDoc &doc, CMainFrame &frame, QWidget *parent)
    : QWebEngineView(parent), m_doc(doc), m_frame(frame), m_infoPage(new CInfoPage(this)),
      m_pageDir(PageFolderTemplate())
{
    setObjectName(QStringLiteral("HtmlView"));
    m_doc.m_infoView = this;
    setPage(m_infoPage);
    // The frame's "Html" menu replaces the engine's own.
    setContextMenuPolicy(Qt::CustomContextMenu);
    connect(this, &QWidget::customContextMenuRequested, this, [this](const QPoint &pos) {
        m_frame.ShowContextMenu(QStringLiteral("Html"), mapToGlobal(pos));
    });
    connect(m_infoPage, &CInfoPage::LinkClicked, this, &CTomeloHtmlView::OnLinkClicked);
    connect(this, &QWebEngineView::loadFinished, this, [this](bool ok) {
        if (url() == m_pageUrl)
            Q_EMIT PageShown(ok);
    });
    connect(&m_doc, &CTomeloDoc::SelectionChanged, this, [this] { ShowSelection(false); });
    connect(&m_doc, &CTomeloDoc::BooksChanged, this, [this] { ShowSelection(false); });
    connect(&m_doc, &CTomeloDoc::LibraryOpened, this, [this] { ShowSelection(false); });
    connect(&m_doc, &CTomeloDoc::LibraryChangedElsewhere, this, [this] { ShowSelection(false); });

    m_cssIndex = CStyleFiles::ValidCssIndex(CAppSettings::Css(), int(m_frame.CssStyles().size()));
    m_xslIndex = CStyleFiles::ValidXslIndex(CAppSettings::Xsl(-1), m_frame.XslTemplates());
    ShowSelection(false);
}

CTomeloHtmlView::~CTomeloHtmlView()
{
    if (m_doc.m_infoView == this)
        m_doc.m_infoView = nullptr;
}

QString CTomeloHtmlView::CssPath() const
{
    return CStyleFiles(TomeloApp().m_appDir).CssPath(m_frame.CssStyles().value(m_cssIndex));
}

QString CTomeloHtmlView::XslPath() const
{
    return CStyleFiles(TomeloApp().m_appDir).XslPath(m_frame.XslTemplates().value(m_xslIndex));
}

void CTomeloHtmlView::ShowSelection(bool reapplyStyle)
{
    m_page.Clear();
    const QVector<quint32> &selected = m_doc.m_selectedBookIds;
    if (m_doc.IsLibraryOpen() && !selected.isEmpty()) {
        const CWaitCursor wait;
        m_page.Build(selected.mid(0, kShownBooks), *m_doc.m_connection, TomeloApp().m_imagesDir,
                     XslPath());
    }
    QString body = m_page.Html();
    const int notShown = int(selected.size()) - kShownBooks;
    if (!body.isEmpty() && notShown > 0) {
        const QString note = tr("and %n more book(s)", nullptr, notShown);
        body = AppendToPageBody(body, QStringLiteral("<p class=\"more-books\">") +
                                          note.toHtmlEscaped() + QStringLiteral("</p>"));
    }
    // A style file read again must not come from the engine's cache.
    if (reapplyStyle)
        ++m_styleLoads;
    QUrl css = QUrl::fromLocalFile(CssPath());
    if (m_styleLoads > 0)
        css.setQuery(QString::number(m_styleLoads));

    const QString path = m_pageDir.filePath(QStringLiteral("page.html"));
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) ||
        file.write(ViewPageHtml(body, css.toString(QUrl::FullyEncoded)).toUtf8()) < 0 ||
        !file.commit())
        return;
    m_pageUrl = QUrl::fromLocalFile(path);
    m_infoPage->SetOwnPage(m_pageUrl);
    load(m_pageUrl);
}

void CTomeloHtmlView::OnLinkClicked(const QUrl &url)
{
    const QString address = NormalizeLinkAddress(LinkAddressFromUrl(url));
    const auto rest = [&address](const char *scheme) {
        return address.mid(qsizetype(qstrlen(scheme)));
    };
    if (address.startsWith(QLatin1String(kCategoryScheme))) {
        const QString id = rest(kCategoryScheme);
        if (IsIntegerText(id) && id.toInt() != m_doc.m_currentCategoryId && m_doc.m_treeView)
            m_doc.m_treeView->SelectCategory(id.toInt());
    } else if (address.startsWith(QLatin1String(kCoverScheme))) {
        const QString name = CoverFileName(rest(kCoverScheme));
        OpenTarget(QDir(TomeloApp().m_imagesDir).filePath(name));
    } else if (address.startsWith(QLatin1String(kBookLinkScheme))) {
        QString bookId;
        QString linkId;
        QString path;
        if (m_doc.IsLibraryOpen() && ParseBookLinkTarget(rest(kBookLinkScheme), &bookId, &linkId) &&
            GetLinkPath(bookId, linkId, *m_doc.m_connection, path))
            OpenTarget(path);
    } else {
        OpenTarget(url.toString());
    }
}

void CTomeloHtmlView::OpenTarget(const QString &pathOrAddress)
{
    const QUrl url = UrlOfTarget(pathOrAddress);
    const bool missing = url.isLocalFile() && !QFileInfo::exists(url.toLocalFile());
    if (missing || !QDesktopServices::openUrl(url))
        ShowMessage(FormatMessage(139, {pathOrAddress}));
}

bool CTomeloHtmlView::OnUpdateCommand(int id, bool &enabled, bool &checked)
{
    const bool shown = !m_page.Html().isEmpty();
    if (id >= ID_STYLE_CSS_FIRST && id < ID_STYLE_CSS_FIRST + m_frame.CssStyles().size()) {
        enabled = true;
        checked = id - ID_STYLE_CSS_FIRST == m_cssIndex;
        return true;
    }
    if (id >= ID_STYLE_XSL_FIRST && id < ID_STYLE_XSL_FIRST + m_frame.XslTemplates().size()) {
        enabled = true;
        checked = id - ID_STYLE_XSL_FIRST == m_xslIndex;
        return true;
    }
    switch (id) {
    case ID_FILE_EXPORT_HTML:
    case ID_VIEW_REFRESH:
    case ID_FILE_PRINT_PREVIEW:
    case ID_FILE_PRINT:
    case ID_EDIT_SELECT_ALL:
        enabled = shown;
        return true;
    case ID_FILE_EXPORT_XML:
        enabled = !m_page.Xml().isEmpty();
        return true;
    case ID_FILE_PAGE_SETUP:
        enabled = true;
        return true;
    case ID_EDIT_COPY:
        enabled = hasSelection();
        return true;
    default:
        return false;
    }
}

bool CTomeloHtmlView::OnCommand(int id)
{
    if (id >= ID_STYLE_CSS_FIRST && id < ID_STYLE_CSS_FIRST + m_frame.CssStyles().size()) {
        OnChooseStyle(id - ID_STYLE_CSS_FIRST);
        return true;
    }
    if (id >= ID_STYLE_XSL_FIRST && id < ID_STYLE_XSL_FIRST + m_frame.XslTemplates().size()) {
        OnChooseTemplate(id - ID_STYLE_XSL_FIRST);
        return true;
    }
    switch (id) {
    case ID_FILE_EXPORT_HTML:
        OnSaveAsHtml();
        return true;
    case ID_FILE_EXPORT_XML:
        OnSaveAsXml();
        return true;
    case ID_VIEW_REFRESH:
        ShowSelection(true);
        return true;
    case ID_FILE_PRINT_PREVIEW:
        OnPrintPreview();
        return true;
    case ID_FILE_PRINT:
        OnPrint();
        return true;
    case ID_FILE_PAGE_SETUP:
        OnPageSetup();
        return true;
    case ID_EDIT_SELECT_ALL:
        triggerPageAction(QWebEnginePage::SelectAll);
        return true;
    case ID_EDIT_COPY:
        triggerPageAction(QWebEnginePage::Copy);
        return true;
    default:
        return false;
    }
}

void CTomeloHtmlView::OnChooseStyle(int index)
{
    m_cssIndex = index;
    CAppSettings::SetCss(index);
    ShowSelection(true);
}

void CTomeloHtmlView::OnChooseTemplate(int index)
{
    m_xslIndex = index;
    CAppSettings::SetXsl(index);
    ShowSelection(false);
}

void CTomeloHtmlView::SaveAs(int filterString, const QString &suffix,
                             const std::function<bool(const QString &path, QString *error)> &write)
{
    QString path = AskSaveFileName(this, QString(), DialogFilter(LoadString(filterString)));
    if (path.isEmpty())
        return;
    // A device or FIFO chosen by name is written as it is named.
    const QFileInfo chosen(path);
    if (chosen.suffix().isEmpty() && (chosen.isFile() || !chosen.exists()))
        path += u'.' + suffix;
    QString error;
    if (!write(path, &error))
        ShowMessage(error.isEmpty() ? LoadString(135) : error);
}

bool CTomeloHtmlView::ShowsEverySelectedBook() const
{
    return m_doc.m_selectedBookIds.size() <= kShownBooks || !m_doc.IsLibraryOpen();
}

const CBookPage &CTomeloHtmlView::WholeSelectionPage(CBookPage &whole) const
{
    if (ShowsEverySelectedBook())
        return m_page;
    const CWaitCursor wait;
    whole.Build(m_doc.m_selectedBookIds, *m_doc.m_connection, TomeloApp().m_imagesDir, XslPath());
    return whole;
}

void CTomeloHtmlView::OnSaveAsHtml()
{
    if (m_page.Html().isEmpty() || !m_doc.IsLibraryOpen())
        return;
    SaveAs(208, QStringLiteral("htm"), [this](const QString &path, QString *error) {
        CBookPage whole;
        return WholeSelectionPage(whole).SaveHtml(path, CssPath(), *m_doc.m_connection, error);
    });
}

void CTomeloHtmlView::OnSaveAsXml()
{
    if (m_page.Xml().isEmpty())
        return;
    SaveAs(209, QStringLiteral("xml"), [this](const QString &path, QString *error) {
        if (ShowsEverySelectedBook())
            return m_page.SaveXml(path, error);
        // Every selected book's XML, without making a page of them.
        const CWaitCursor wait;
        return SaveBooksXml(
            path,
            BuildBooksXml(m_doc.m_selectedBookIds, *m_doc.m_connection, TomeloApp().m_imagesDir),
            error);
    });
}

QPrinter &CTomeloHtmlView::Printer()
{
    if (!m_printer)
        m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *m_printer;
}

void CTomeloHtmlView::PrintOn(QPrinter *printer)
{
    QString error;
    if (!CPagePrinter(*page()).Print(*printer, &error))
        ShowMessage(error);
}

void CTomeloHtmlView::OnPrint()
{
    if (m_page.Html().isEmpty())
        return;
    QPrintDialog dialog(&Printer(), this);
    if (dialog.exec() == QDialog::Accepted)
        PrintOn(&Printer());
}

void CTomeloHtmlView::OnPrintPreview()
{
    if (m_page.Html().isEmpty())
        return;
    QPrintPreviewDialog dialog(&Printer(), this);
    dialog.resize(window()->size() * 4 / 5);
    connect(&dialog, &QPrintPreviewDialog::paintRequested, this, &CTomeloHtmlView::PrintOn);
    dialog.exec();
}

void CTomeloHtmlView::OnPageSetup()
{
    QPageSetupDialog dialog(&Printer(), this);
    dialog.exec();
}
