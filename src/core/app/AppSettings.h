#pragma once

#include <QString>

// Where the program keeps its settings, below the current user's hive.
inline constexpr char kProductKeyPath[] = "Software\\Brindlewood\\Tomelodex";
inline constexpr char kSettingsKeyPath[] = "Software\\Brindlewood\\Tomelodex\\Settings";
inline constexpr char kSettingsDefaultKeyPath[] =
    "Software\\Brindlewood\\Tomelodex\\Settings\\Default";
inline constexpr char kWindowPlacementKeyPath[] =
    "Software\\Brindlewood\\Tomelodex\\WindowPlacement";
inline constexpr char kRecentFileListKeyPath[] =
    "Software\\Brindlewood\\Tomelodex\\Recent File List";

// The same keys as sections of the profile functions.
inline constexpr char kSettingsSection[] = "Settings";
inline constexpr char kWindowPlacementSection[] = "WindowPlacement";
inline constexpr char kRecentFileListSection[] = "Recent File List";

// Values of "Settings".
inline constexpr char kValueUiLanguage[] = "UILanguage";
inline constexpr char kValueAssociateTag[] = "AssociateTag";
inline constexpr char kValueGetEditionFromHtml[] = "GetEditionFromHTML";
inline constexpr char kValueSortBy[] = "SortBy";
inline constexpr char kValueSortAscending[] = "SortAscending";
inline constexpr char kValueListView[] = "ListView";
inline constexpr char kValueListColumns[] = "ListColumns";
inline constexpr char kValueIncludeSubcategories[] = "IncludeSubcategories";
inline constexpr char kValueAuthorsByLastName[] = "AuthorsByLastName";
inline constexpr char kValueLoanPeriodDays[] = "LoanPeriodDays";
inline constexpr char kValueCss[] = "CSS";
inline constexpr char kValueXsl[] = "XSL";
inline constexpr char kValueServiceHost[] = "ServiceHost";
inline constexpr char kValueSearchHost[] = "SearchHost";
inline constexpr char kValueStoreHost[] = "StoreHost";
inline constexpr char kValueLookupSource[] = "LookupSource";
inline constexpr char kValueLookupContact[] = "LookupContact";
inline constexpr char kValueOpenLibraryHost[] = "OpenLibraryHost";
inline constexpr char kValueCoversHost[] = "CoversHost";
inline constexpr char kValueImportRestoresCategories[] = "ImportRestoresCategories";

// Values of "Settings\Default".
inline constexpr char kValueLanguage[] = "Language";
inline constexpr char kValueExtras[] = "Extras";
inline constexpr char kValueStore[] = "Store";
inline constexpr char kValueLocation[] = "Location";
inline constexpr char kValueUserText1[] = "UserText1";
inline constexpr char kValueUserText2[] = "UserText2";
inline constexpr char kValueFormat[] = "Format";
inline constexpr char kValueStatus[] = "Status";
inline constexpr char kValuePurchaseDate[] = "PurchaseDate";
inline constexpr char kValueEbookOnly[] = "EbookOnly";

inline constexpr char kDefaultServiceHost[] = "http://webservices.amazon.com";
inline constexpr char kDefaultSearchHost[] = "http://xml.amazon.com";
inline constexpr char kDefaultStoreHost[] = "http://www.amazon.com";
inline constexpr char kDefaultOpenLibraryHost[] = "https://openlibrary.org";
inline constexpr char kDefaultCoversHost[] = "https://covers.openlibrary.org";

// The texts of the LookupSource setting.
inline constexpr char kLookupSourceOpenLibrary[] = "openlibrary";
inline constexpr char kLookupSourceProduct[] = "product";

// Typed access to every setting with its default. Readers never create keys;
// writers create them. SortBy, SortAscending and GetEditionFromHTML are
// profile values (double words), the other integers 4-byte binary values.
class CAppSettings
{
public:
    // The texts of "Settings\Default" that prefill a new book.
    enum DefaultText
    {
        kDefaultLanguage,
        kDefaultExtras,
        kDefaultStore,
        kDefaultLocation,
        kDefaultUserText1,
        kDefaultUserText2,
        kDefaultFormat,
        kDefaultStatus,
        kDefaultPurchaseDate,
        kDefaultTextCount
    };

    CAppSettings() = delete;

    // Empty when not set; the caller treats empty as "Enu".
    static QString UiLanguage();
    static bool SetUiLanguage(const QString &code);
    static QString AssociateTag();
    static bool SetAssociateTag(const QString &tag);

    static int GetEditionFromHtml();
    static int SortBy();
    static bool SetSortBy(int column);
    static bool SortAscending();
    static bool SetSortAscending(bool ascending);

    static int ListView();
    static bool SetListView(int view);
    // The details list's columns in the order shown, with their widths
    // ("0:240,1:120"); empty when never set.
    static QString ListColumns();
    static bool SetListColumns(const QString &columns);
    // A category's list shows the books of its sub-categories too.
    static bool IncludeSubcategories();
    static bool SetIncludeSubcategories(bool include);
    // The Author column sorts by last name.
    static bool AuthorsByLastName();
    static bool SetAuthorsByLastName(bool byLastName);
    // The days a new loan is due after its date (Options; 28 by default,
    // from 1 to 3650).
    static int LoanPeriodDays();
    static bool SetLoanPeriodDays(int days);
    // Index of the style sheet; the caller checks the range.
    static int Css();
    static bool SetCss(int index);
    // Index of the content template; defaultIndex when missing.
    static int Xsl(int defaultIndex = -1);
    static bool SetXsl(int index);

    static QString DefaultTextName(DefaultText which);
    static QString DefaultTextValue(DefaultText which);
    static bool SetDefaultTextValue(DefaultText which, const QString &text);
    static bool EbookOnly();
    static bool SetEbookOnly(bool ebookOnly);

    // Hosts of the online product service and store; an empty stored text
    // gives the default too.
    static QString ServiceHost();
    static bool SetServiceHost(const QString &host);
    static QString SearchHost();
    static bool SetSearchHost(const QString &host);
    static QString StoreHost();
    // Uses `host` instead of the stored value of kValueServiceHost,
    // kValueSearchHost or kValueStoreHost until the program ends, without
    // storing it (an empty host ends the override).
    static void OverrideHostForThisRun(const char *valueName, const QString &host);
    static bool SetStoreHost(const QString &host);

    // Hosts of Open Library's API and of its cover pictures; overridden for
    // one run like the hosts above (kValueOpenLibraryHost, kValueCoversHost).
    static QString OpenLibraryHost();
    static bool SetOpenLibraryHost(const QString &host);
    static QString CoversHost();
    static bool SetCoversHost(const QString &host);

    // Where books are looked up: kLookupSourceOpenLibrary or
    // kLookupSourceProduct. The run's override comes first, then the stored
    // text. Without either, a user who pointed the product service or its
    // search at a host of their own keeps that service; everyone else gets
    // Open Library, which answers today without a key.
    // A stored choice of the product service without a host of its own
    // falls back to Open Library: its default hosts answer nobody.
    static QString LookupSource();
    static bool SetLookupSource(const QString &source);
    // Whether the product service or its search has a host of the user's
    // own, stored or given for this run: only then can it be asked at all.
    static bool ProductHostSet();
    // Whether the stored choice is the product service although it has no
    // host, so that Open Library is asked instead.
    static bool StoredProductSourceFellBack();
    // Uses `source` for the rest of the run without storing it (empty ends
    // the override).
    static void OverrideLookupSourceForThisRun(const QString &source);

    // How Open Library can reach the user (an e-mail or web address), sent
    // with every request; empty when not set.
    static QString LookupContact();
    static bool SetLookupContact(const QString &contact);
};
