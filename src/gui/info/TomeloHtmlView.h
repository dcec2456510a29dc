#pragma once

#include "db/DocumentViews.h"
#include "frame/CommandTarget.h"
#include "xml/BookPage.h"

#include <QTemporaryDir>
#include <QUrl>
#include <QWebEngineView>

#include <memory>

class CInfoPage;
class CMainFrame;
class CTomeloDoc;
class QPrinter;

// The lower right pane: the books selected in the list as a page, made by
// the chosen XSL template and shown with the chosen CSS style, or the
// welcome page when nothing is selected. The page's own links (covers,
// categories, related links) are handled here; other links open in the
// desktop's programs. No script runs in the page.
class CTomeloHtmlView : public QWebEngineView, public CCommandTarget, public IInfoView
{
    Q_OBJECT

public:
    CTomeloHtmlView(CTomeloDoc &doc, CMainFrame &frame, QWidget *parent = nullptr);
    ~CTomeloHtmlView() override;

    // How many of the selected books the page shows; a larger selection
    // ends with a line that counts the others, so that selecting every book
    // of a large library costs no more than selecting this many.
    static constexpr int kShownBooks = 50;

    // Shows the document's selected books again. `reapplyStyle` reloads the
    // style file too (Refresh, another style).
    void ShowSelection(bool reapplyStyle);

    // Empty when the welcome page is shown.
    QString Html() const { return m_page.Html(); }
    QString Xml() const { return m_page.Xml(); }
    int CssIndex() const { return m_cssIndex; }
    int XslIndex() const { return m_xslIndex; }
    // The address of the document the view shows now.
    QUrl PageUrl() const { return m_pageUrl; }

    // Opens what a link of the page points to, as a click on it does.
    void OnLinkClicked(const QUrl &url);

    bool OnUpdateCommand(int id, bool &enabled, bool &checked) override;
    bool OnCommand(int id) override;

    void OnSaveAsHtml();
    void OnSaveAsXml();
    void OnPrint();
    void OnPrintPreview();
    void OnPageSetup();
    void OnChooseStyle(int index);
    void OnChooseTemplate(int index);

    // The printer of Print, Print Preview and Page Setup; it keeps what was
    // chosen in their dialogs for the next time.
    QPrinter &Printer();

Q_SIGNALS:
    // The page of the last ShowSelection has been loaded (ok false: it failed).
    void PageShown(bool ok);

private:
    QString CssPath() const;
    QString XslPath() const;
    // Asks for a file and writes it; when it cannot be written, a message
    // naming the file and the reason (`write` fills it in).
    void SaveAs(int filterString, const QString &suffix,
                const std::function<bool(const QString &path, QString *error)> &write);
    void OpenTarget(const QString &pathOrAddress);
    // False when the page leaves selected books out.
    bool ShowsEverySelectedBook() const;
    // The page of every selected book, for Save As HTML: the shown page
    // when it has them all, else one built in `whole`.
    const CBookPage &WholeSelectionPage(CBookPage &whole) const;
    void PrintOn(QPrinter *printer);

    CTomeloDoc &m_doc;
    CMainFrame &m_frame;
    CInfoPage *m_infoPage = nullptr;
    CBookPage m_page;
    int m_cssIndex = 0;
    int m_xslIndex = 0;
    int m_styleLoads = 0;
    QTemporaryDir m_pageDir;
    QUrl m_pageUrl;
    std::unique_ptr<QPrinter> m_printer;
};
