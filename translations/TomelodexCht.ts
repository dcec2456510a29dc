<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW">
<context>
    <name>Backup</name>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>it holds more than it says</source>
        <translation>其內容多於其宣告的大小</translation>
    </message>
    <message>
        <source>its list of contents is damaged</source>
        <translation>其內容清單已損毀</translation>
    </message>
    <message>
        <source>it is not a backup of a Tomelodex library</source>
        <translation>它不是 Tomelodex 書庫的備份</translation>
    </message>
    <message>
        <source>it was made by a newer version of Tomelodex (backup format %1)</source>
        <translation>它由較新版本的 Tomelodex 建立（備份格式 %1）</translation>
    </message>
    <message>
        <source>it names a cover &quot;%1&quot; that would lie outside the images folder</source>
        <translation>它指定的封面「%1」會位於圖片資料夾之外</translation>
    </message>
    <message>
        <source>the backup&apos;s name is not UTF-8 text</source>
        <translation>備份檔案的名稱不是 UTF-8 文字</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是一般檔案</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which is no part of a library backup</source>
        <translation>它包含「%1」，這不屬於書庫備份</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it is not a plain file</source>
        <translation>其中的「%1」不是一般檔案</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it is damaged or not as its list of contents says</source>
        <translation>其中的「%1」已損毀或與內容清單不符</translation>
    </message>
    <message>
        <source>it is incomplete or damaged</source>
        <translation>它不完整或已損毀</translation>
    </message>
    <message>
        <source>%1 exists already; a restore makes a new library and never replaces a file</source>
        <translation>%1 已存在；還原會建立一個新書庫，從不取代已有的檔案</translation>
    </message>
    <message>
        <source>there is not enough room on the disk: it needs %1, and %2 are free</source>
        <translation>磁碟空間不足：需要 %1，可用 %2</translation>
    </message>
    <message>
        <source>the library in it cannot be opened: %1</source>
        <translation>無法開啟其中的書庫：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it cannot be read</source>
        <translation>無法讀取其中的「%1」</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it is damaged: %2</source>
        <translation>其中的「%1」已損毀：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it is damaged: its checksum does not match</source>
        <translation>其中的「%1」已損毀：檢查碼不符</translation>
    </message>
    <message>
        <source>%1 could not be restored as %2:
%3</source>
        <translation>無法將 %1 還原為 %2：
%3</translation>
    </message>
    <message>
        <source>%1 cannot be read as a backup:
%2</source>
        <translation>無法將 %1 作為備份讀取：
%2</translation>
    </message>
    <message>
        <source>the picture %1 cannot be kept: its name is not UTF-8 text</source>
        <translation>無法保存圖片 %1：其名稱不是 UTF-8 文字</translation>
    </message>
    <message>
        <source>a backup cannot be written over the library itself</source>
        <translation>備份不能覆寫書庫本身</translation>
    </message>
    <message>
        <source>%1 could not be backed up to %2:
%3</source>
        <translation>無法將 %1 備份到 %2：
%3</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tomelodex</source>
        <translation>關於 Tomelodex</translation>
    </message>
    <message>
        <source>Tomelodex Version %1</source>
        <translation>Tomelodex 版本 %1</translation>
    </message>
    <message>
        <source>Copyright © 2003–2005 Brindlewood Software</source>
        <translation>版權所有 © 2003–2005 Brindlewood Software</translation>
    </message>
</context>
<context>
    <name>CAddBookDlg</name>
    <message>
        <source>Query Online By &amp;ISBN(s)</source>
        <translation>依 ISBN 線上查詢(&amp;I)</translation>
    </message>
    <message>
        <source>Query Online By &amp;Title, Author and Publisher</source>
        <translation>依書名、作者和出版社線上查詢(&amp;T)</translation>
    </message>
    <message>
        <source>Add a Book &amp;Manually</source>
        <translation>手動新增書籍(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>載入(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>儲存(&amp;S)...</translation>
    </message>
    <message>
        <source>Enter ISBNs below (one ISBN per line).</source>
        <translation>在下方輸入 ISBN（每行一個）。</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>書名：</translation>
    </message>
    <message>
        <source>Author:</source>
        <translation>作者：</translation>
    </message>
    <message>
        <source>Publisher:</source>
        <translation>出版社：</translation>
    </message>
    <message>
        <source>Load ISBN List</source>
        <translation>載入 ISBN 清單</translation>
    </message>
    <message>
        <source>Cannot open file for reading.</source>
        <translation>無法開啟檔案進行讀取。</translation>
    </message>
    <message>
        <source>Nothing to save.</source>
        <translation>沒有可儲存的內容。</translation>
    </message>
    <message>
        <source>Save ISBN List</source>
        <translation>儲存 ISBN 清單</translation>
    </message>
    <message>
        <source>File has been saved.</source>
        <translation>檔案已儲存。</translation>
    </message>
    <message>
        <source>%1 is not a valid ISBN. Ignore this one?</source>
        <translation>%1 不是有效的 ISBN。是否略過此項？</translation>
    </message>
    <message>
        <source>Please enter at least one of them: title, author and publisher.</source>
        <translation>請至少輸入書名、作者和出版社其中一項。</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*||</source>
        <translation>文字檔 (*.txt)|*.txt|所有檔案 (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Tip: Any USB bar-code scanner works here: it types each ISBN like a keyboard. Click in the box and scan the books.</source>
        <translation>提示：任何 USB 條碼掃描器都可以在此使用：它會像鍵盤一樣輸入每個 ISBN。在方塊中按一下，然後掃描書籍即可。</translation>
    </message>
</context>
<context>
    <name>CAddressHint</name>
    <message>
        <source>An address starts with http:// or https://, e.g. https://www.example.org</source>
        <translation>網址以 http:// 或 https:// 開頭，例如 https://www.example.org</translation>
    </message>
    <message>
        <source>Taken as %1</source>
        <translation>將作為 %1 使用</translation>
    </message>
</context>
<context>
    <name>CBackupCommands</name>
    <message>
        <source>Library backups (*.zip)</source>
        <translation>書庫備份 (*.zip)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>Back Up Library</source>
        <translation>備份書庫</translation>
    </message>
    <message>
        <source>Backing up %1 to %2...</source>
        <translation>正在將 %1 備份到 %2...</translation>
    </message>
    <message>
        <source>The library was backed up to %1.</source>
        <translation>書庫已備份到 %1。</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>從備份還原</translation>
    </message>
    <message>
        <source>Restore Library As</source>
        <translation>將書庫還原為</translation>
    </message>
    <message>
        <source>Restoring %1 as %2...</source>
        <translation>正在將 %1 還原為 %2...</translation>
    </message>
</context>
<context>
    <name>CBasicSearchDlg</name>
    <message>
        <source>Basic Search</source>
        <translation>基本搜尋</translation>
    </message>
    <message>
        <source>&amp;Enter keyword:</source>
        <translation>輸入關鍵字(&amp;E)：</translation>
    </message>
    <message>
        <source>&amp;Clear items in Search Results first</source>
        <translation>先清除搜尋結果中的項目(&amp;C)</translation>
    </message>
    <message>
        <source>Basic Search is able to search the following 7 fields: Book Title, Author, ISBN, Description, Notes, User Text 1 and User Text 2.</source>
        <translation>基本搜尋可以搜尋以下 7 個欄位：書名、作者、ISBN、簡介、備註、使用者文字 1 和使用者文字 2。</translation>
    </message>
</context>
<context>
    <name>CBatchDlg</name>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message>
        <source>Batch Mode</source>
        <translation>批次模式</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>開始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Query queue is empty.</source>
        <translation>查詢佇列是空的。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>關閉</translation>
    </message>
    <message>
        <source>Finishing off, please wait...</source>
        <translation>正在結束，請稍候...</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>結果</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>已新增</translation>
    </message>
    <message>
        <source>Already in the library: skipped</source>
        <translation>資料庫中已有：已略過</translation>
    </message>
    <message>
        <source>Not found at %1</source>
        <translation>在 %1 找不到</translation>
    </message>
    <message>
        <source>Not looked up: %1</source>
        <translation>未查詢：%1</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>未儲存：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <comment>books</comment>
        <translation>
            <numerusform>已新增 %n 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <comment>books</comment>
        <translation>
            <numerusform>%n 本資料庫中已有</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found at %1</source>
        <comment>books</comment>
        <translation>
            <numerusform>%n 本在 %1 找不到</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not looked up</source>
        <comment>books</comment>
        <translation>
            <numerusform>%n 本未查詢</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not saved</source>
        <comment>books</comment>
        <translation>
            <numerusform>%n 本未儲存</numerusform>
        </translation>
    </message>
    <message>
        <source>Job finished: %1.</source>
        <translation>工作完成：%1。</translation>
    </message>
    <message>
        <source>, </source>
        <translation>，</translation>
    </message>
</context>
<context>
    <name>CBookBasicPage</name>
    <message>
        <source>&amp;Title:</source>
        <translation>書名(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Subtitle:</source>
        <translation>副書名(&amp;S)：</translation>
    </message>
    <message>
        <source>Auth&amp;or:</source>
        <translation>作者(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>網址(&amp;U)：</translation>
    </message>
    <message>
        <source>&amp;Edition:</source>
        <translation>版本(&amp;E)：</translation>
    </message>
    <message>
        <source>Publis&amp;her:</source>
        <translation>出版社(&amp;H)：</translation>
    </message>
    <message>
        <source>&amp;ISBN:</source>
        <translation>&amp;ISBN：</translation>
    </message>
    <message>
        <source>P&amp;age:</source>
        <translation>頁數(&amp;A)：</translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <translation>語言(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Release Date:</source>
        <translation>出版日期(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Binding:</source>
        <translation>裝訂(&amp;B)：</translation>
    </message>
    <message>
        <source>Di&amp;mension:</source>
        <translation>尺寸(&amp;M)：</translation>
    </message>
    <message>
        <source>E&amp;xtras:</source>
        <translation>附件(&amp;X)：</translation>
    </message>
    <message>
        <source>&amp;General</source>
        <translation>一般(&amp;G)</translation>
    </message>
</context>
<context>
    <name>CBookCoversPage</name>
    <message>
        <source>Front Cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>瀏覽(&amp;B)...</translation>
    </message>
    <message>
        <source>Cl&amp;ear</source>
        <translation>清除(&amp;E)</translation>
    </message>
    <message>
        <source>Back Cover</source>
        <translation>封底</translation>
    </message>
    <message>
        <source>Br&amp;owse...</source>
        <translation>瀏覽(&amp;O)...</translation>
    </message>
    <message>
        <source>Cle&amp;ar</source>
        <translation>清除(&amp;A)</translation>
    </message>
    <message>
        <source>&amp;Covers</source>
        <translation>封面(&amp;C)</translation>
    </message>
</context>
<context>
    <name>CBookDescriptionPage</name>
    <message>
        <source>&amp;Description</source>
        <translation>簡介(&amp;D)</translation>
    </message>
</context>
<context>
    <name>CBookLinksPage</name>
    <message>
        <source>Add URLs, local files or folders which are related to this book.</source>
        <translation>新增與本書相關的網址、本機檔案或資料夾。</translation>
    </message>
    <message>
        <source>e.g. author&apos;s website, ebook files.</source>
        <translation>例如作者的網站、電子書檔案。</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>標題</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路徑</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>新增(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>編輯(&amp;E)...</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>刪除(&amp;T)</translation>
    </message>
    <message>
        <source>Related &amp;Links</source>
        <translation>相關連結(&amp;L)</translation>
    </message>
</context>
<context>
    <name>CBookListModel</name>
    <message>
        <source>No cover</source>
        <translation>無封面</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>頁數</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>評分</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Date Added</source>
        <translation>新增日期</translation>
    </message>
    <message>
        <source>Lent to %1</source>
        <translation>借給 %1</translation>
    </message>
    <message>
        <source>%1 #%2</source>
        <extracomment>A book&apos;s series and its number there in the book list: &quot;Dune #2&quot;.</extracomment>
        <translation>%1 #%2</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>系列</translation>
    </message>
</context>
<context>
    <name>CBookLoansPage</name>
    <message>
        <source>Series</source>
        <translation>系列</translation>
    </message>
    <message>
        <source>&amp;Series:</source>
        <translation>系列(&amp;S)：</translation>
    </message>
    <message>
        <source>The book&apos;s place in the series: a number such as 3 or 2.5</source>
        <translation>本書在系列中的位置：如 3 或 2.5 這樣的數字</translation>
    </message>
    <message>
        <source>Num&amp;ber:</source>
        <translation>序號(&amp;B)：</translation>
    </message>
    <message>
        <source>Loans</source>
        <translation>借閱記錄</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation>借閱人</translation>
    </message>
    <message>
        <source>Loan Date</source>
        <translation>借出日期</translation>
    </message>
    <message>
        <source>Due Date</source>
        <translation>到期日</translation>
    </message>
    <message>
        <source>Returned</source>
        <translation>歸還日期</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>備註</translation>
    </message>
    <message>
        <source>L&amp;end...</source>
        <translation>借出(&amp;E)...</translation>
    </message>
    <message>
        <source>Ret&amp;urn</source>
        <translation>歸還(&amp;U)</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>閱讀記錄</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>讀完</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>新增(&amp;A)...</translation>
    </message>
    <message>
        <source>Ed&amp;it...</source>
        <translation>編輯(&amp;I)...</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>刪除(&amp;T)</translation>
    </message>
    <message>
        <source>Lent</source>
        <translation>借出</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>借入</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>已逾期</translation>
    </message>
    <message>
        <source>Not returned</source>
        <translation>未歸還</translation>
    </message>
    <message>
        <source>Reading now</source>
        <translation>正在閱讀</translation>
    </message>
    <message>
        <source>Loans &amp;&amp; &amp;Reading</source>
        <translation>借出與閱讀(&amp;R)</translation>
    </message>
</context>
<context>
    <name>CBookNotesPage</name>
    <message>
        <source>&amp;Notes</source>
        <translation>筆記(&amp;N)</translation>
    </message>
</context>
<context>
    <name>CBookPersonalPage</name>
    <message>
        <source>Purchase Info</source>
        <translation>購買資訊</translation>
    </message>
    <message>
        <source>Pu&amp;rchase Date:</source>
        <translation>購買日期(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Store:</source>
        <translation>商店(&amp;S)：</translation>
    </message>
    <message>
        <source>Purc&amp;hase Price:</source>
        <translation>購買價格(&amp;H)：</translation>
    </message>
    <message>
        <source>L&amp;ist Price:</source>
        <translation>定價(&amp;I)：</translation>
    </message>
    <message>
        <source>&amp;Amazon Price:</source>
        <translation>&amp;Amazon 價格：</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>評分</translation>
    </message>
    <message>
        <source>Ama&amp;zon Rating:</source>
        <translation>Ama&amp;zon 評分：</translation>
    </message>
    <message>
        <source>Num&amp;ber of Reviews:</source>
        <translation>評論數(&amp;B)：</translation>
    </message>
    <message>
        <source>Unrated</source>
        <translation>未評分</translation>
    </message>
    <message>
        <source>M&amp;y Rating:</source>
        <translation>我的評分(&amp;Y)：</translation>
    </message>
    <message>
        <source>Misc Info</source>
        <translation>其他資訊</translation>
    </message>
    <message>
        <source>L&amp;ocation:</source>
        <translation>位置(&amp;O)：</translation>
    </message>
    <message>
        <source>S&amp;tatus:</source>
        <translation>狀態(&amp;T)：</translation>
    </message>
    <message>
        <source>C&amp;urrent Page:</source>
        <translation>目前頁數(&amp;U)：</translation>
    </message>
    <message>
        <source>eBook Info</source>
        <translation>電子書資訊</translation>
    </message>
    <message>
        <source>I only have &amp;ebook</source>
        <translation>只有電子書(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>Size (in &amp;MB):</source>
        <translation>大小(&amp;M)（MB）：</translation>
    </message>
    <message>
        <source>User Defined Texts</source>
        <translation>使用者自訂文字</translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation>使用者文字 1(&amp;1)：</translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation>使用者文字 2(&amp;2)：</translation>
    </message>
    <message>
        <source>&amp;Personal</source>
        <translation>個人(&amp;P)</translation>
    </message>
</context>
<context>
    <name>CBookProperties</name>
    <message>
        <source>Someone else changed this book in the library after you opened it.
Click &quot;Yes&quot; to save your changes over theirs, &quot;No&quot; to see their version here instead of yours, or &quot;Cancel&quot; to go back to your changes.</source>
        <translation>在你開啟此書之後，有人在書庫中變更了它。
按一下「是」以你的變更覆寫對方的變更，按一下「否」在此改為顯示對方的版本，或按一下「取消」回到你的變更。</translation>
    </message>
    <message>
        <source>Someone else deleted this book from the library after you opened it.
Would you like to add it as a new book?</source>
        <translation>在你開啟此書之後，有人從書庫中刪除了它。
是否將它新增為新書？</translation>
    </message>
</context>
<context>
    <name>CBulkEditDlg</name>
    <message numerus="yes">
        <source>Edit %n Book(s)</source>
        <translation>
            <numerusform>編輯 %n 本書</numerusform>
        </translation>
    </message>
    <message>
        <source>Rep&amp;lace</source>
        <translation>取代(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>類別(&amp;C)</translation>
    </message>
    <message>
        <source>change</source>
        <translation>變更</translation>
    </message>
    <message>
        <source>Checked: every selected book gets this value; left empty, the field is cleared on every book.
Unchecked: the books keep what they have.</source>
        <translation>勾選：每本選取的書都取此值；留空則清除每本書的該欄位。
不勾選：各書保留原有內容。</translation>
    </message>
    <message>
        <source>(various)</source>
        <translation>（各不相同）</translation>
    </message>
    <message>
        <source>Replaces text inside one field of every selected book. In a regular expression, \1 to \9 in the replacement stand for what its groups found.</source>
        <translation>在每本選取的書的一個欄位中取代文字。使用規則運算式時，取代文字中的 \1 到 \9 代表各群組找到的內容。</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>規則運算式(&amp;X)</translation>
    </message>
    <message>
        <source>Match c&amp;ase</source>
        <translation>區分大小寫(&amp;A)</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>書</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>之前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>之後</translation>
    </message>
    <message>
        <source>&amp;Field:</source>
        <translation>欄位(&amp;F)：</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>尋找(&amp;I)：</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>取代為(&amp;W)：</translation>
    </message>
    <message>
        <source>The first changes:</source>
        <translation>前幾處變更：</translation>
    </message>
    <message>
        <source>No selected book has this text in this field.</source>
        <translation>沒有選取的書在此欄位中含有此文字。</translation>
    </message>
    <message>
        <source>&amp;Add the books to:</source>
        <translation>將書加入到(&amp;A)：</translation>
    </message>
    <message>
        <source>Re&amp;move the books from:</source>
        <translation>將書移出(&amp;M)：</translation>
    </message>
    <message numerus="yes">
        <source>Changed %n book(s)</source>
        <translation>
            <numerusform>已變更 %n 本書</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CCategoryProperties</name>
    <message>
        <source>Contains:</source>
        <translation>包含：</translation>
    </message>
    <message>
        <source>Last Updated:</source>
        <translation>上次更新：</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名稱(&amp;N)：</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>備註(&amp;O)：</translation>
    </message>
</context>
<context>
    <name>CCategoryTreeModel</name>
    <message>
        <source>On Loan</source>
        <translation>借出中</translation>
    </message>
    <message>
        <source>Overdue</source>
        <translation>逾期</translation>
    </message>
    <message>
        <source>Borrowed</source>
        <translation>借入</translation>
    </message>
    <message>
        <source>Wish List</source>
        <translation>願望清單</translation>
    </message>
    <message>
        <source>Series</source>
        <translation>系列</translation>
    </message>
</context>
<context>
    <name>CCoverBox</name>
    <message>
        <source>No Cover</source>
        <translation>無封面</translation>
    </message>
    <message>
        <source>Click to open the picture</source>
        <translation>按一下開啟圖片</translation>
    </message>
</context>
<context>
    <name>CCsvExportCommands</name>
    <message>
        <source>Export CSV</source>
        <translation>匯出 CSV</translation>
    </message>
    <message>
        <source>Export Goodreads CSV</source>
        <translation>匯出 Goodreads CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 檔案 (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有檔案 (*)</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>無法寫入 %1。</translation>
    </message>
</context>
<context>
    <name>CDatePicker</name>
    <message>
        <source>Has a date</source>
        <translation>有日期</translation>
    </message>
    <message>
        <source>Type a day (%1 or %2), a month (%3) or a year (%4).
Up and Down change the day, Page Up and Page Down the month,
Ctrl+Page Up and Ctrl+Page Down the year.</source>
        <translation>請輸入某一天（%1 或 %2）、某個月（%3）或某一年（%4）。
上、下方向鍵變更日，Page Up 和 Page Down 變更月，
Ctrl+Page Up 和 Ctrl+Page Down 變更年。</translation>
    </message>
    <message>
        <source>Choose from a calendar</source>
        <translation>從日曆中選擇</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Type a day (%2 or %3), a month (%4) or a year (%5).</source>
        <translation>「%1」不是日期。請輸入某一天（%2 或 %3）、某個月（%4）或某一年（%5）。</translation>
    </message>
</context>
<context>
    <name>CEditorFontDlg</name>
    <message>
        <source>Font</source>
        <translation>字型</translation>
    </message>
    <message>
        <source>%1 (%2 pt)</source>
        <translation>%1（%2 點）</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>選擇(&amp;C)...</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz 中文範例</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>字型(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>大小(&amp;S)：</translation>
    </message>
    <message>
        <source>Co&amp;lor:</source>
        <translation>色彩(&amp;L)：</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>範例：</translation>
    </message>
</context>
<context>
    <name>CHelpTopicsDlg</name>
    <message>
        <source>The category tree on the left chooses which books the list shows; the page below the list shows the selected books. Right-click a pane for its commands. Every command of the menus:</source>
        <translation>左側的類別樹決定清單中顯示哪些書籍；清單下方的頁面顯示所選書籍。在窗格上按滑鼠右鍵可使用其命令。功能表中的所有命令：</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按鍵</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>作用</translation>
    </message>
    <message>
        <source>Tomelodex Help</source>
        <translation>Tomelodex 說明</translation>
    </message>
    <message>
        <source>All Commands</source>
        <translation>全部命令</translation>
    </message>
</context>
<context>
    <name>CHyperlinkDlg</name>
    <message>
        <source>Hyperlink</source>
        <translation>超連結</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>網址(&amp;U)：</translation>
    </message>
</context>
<context>
    <name>CInputSQLDlg</name>
    <message>
        <source>Run SQL</source>
        <translation>執行 SQL</translation>
    </message>
    <message>
        <source>&amp;Input SQL statement:</source>
        <translation>輸入 SQL 陳述式(&amp;I)：</translation>
    </message>
    <message>
        <source>Note: Advanced users only.</source>
        <translation>注意：僅供進階使用者使用。</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>執行(&amp;R)</translation>
    </message>
    <message>
        <source>%1 of more than %2 rows shown</source>
        <translation>顯示了超過 %2 列中的 %1 列</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln row(s) shown</source>
        <translation>
            <numerusform>顯示了 %Ln 列中的 %1 列</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s)</source>
        <translation>
            <numerusform>%Ln 列</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CInsertImageDlg</name>
    <message>
        <source>Picture</source>
        <translation>圖片</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>瀏覽(&amp;B)...</translation>
    </message>
    <message>
        <source>Picture &amp;source:</source>
        <translation>圖片來源(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Alternate text:</source>
        <translation>替代文字(&amp;A)：</translation>
    </message>
</context>
<context>
    <name>CLendDlg</name>
    <message numerus="yes">
        <source>and %n more</source>
        <translation>
            <numerusform>以及另外 %n 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Lend %n Book(s)</source>
        <translation>
            <numerusform>借出 %n 本書</numerusform>
        </translation>
    </message>
    <message>
        <source>Borrowed From</source>
        <translation>借自</translation>
    </message>
    <message>
        <source>Clear for a loan without a due date</source>
        <translation>取消勾選表示沒有到期日</translation>
    </message>
    <message numerus="yes">
        <source>Book(s):</source>
        <translation>
            <numerusform>圖書：</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Lent to:</source>
        <translation>借給(&amp;L)：</translation>
    </message>
    <message>
        <source>&amp;Borrowed from:</source>
        <translation>借自(&amp;B)：</translation>
    </message>
    <message>
        <source>Lent &amp;on:</source>
        <translation>借出日期(&amp;O)：</translation>
    </message>
    <message>
        <source>Borrowed &amp;on:</source>
        <translation>借入日期(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;Due back:</source>
        <translation>應還日期(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Due to return:</source>
        <translation>歸還期限(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>備註(&amp;N)：</translation>
    </message>
    <message>
        <source>Give the day of the loan, not only its month or year.</source>
        <translation>請給出借閱的具體日期，而不只是月份或年份。</translation>
    </message>
    <message>
        <source>Give the day the book is due, not only its month or year.</source>
        <translation>請給出到期的具體日期，而不只是月份或年份。</translation>
    </message>
</context>
<context>
    <name>CLentMarkDelegate</name>
    <message>
        <source>lent</source>
        <extracomment>The mark on the thumbnail of a book that is lent to someone.</extracomment>
        <translation>借出</translation>
    </message>
</context>
<context>
    <name>CLinkGeneralPage</name>
    <message>
        <source>&amp;URL</source>
        <translation>網址(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>F&amp;older</source>
        <translation>資料夾(&amp;O)</translation>
    </message>
    <message>
        <source>Ot&amp;her</source>
        <translation>其他(&amp;H)</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>瀏覽</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>標題(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>路徑(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>備註(&amp;N)：</translation>
    </message>
    <message>
        <source>(Optional)</source>
        <translation>（選填）</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>類型：</translation>
    </message>
    <message>
        <source>Select a File</source>
        <translation>選取檔案</translation>
    </message>
</context>
<context>
    <name>CLinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>無法開啟超連結：

%1</translation>
    </message>
</context>
<context>
    <name>CLinkProperties</name>
    <message>
        <source>General</source>
        <translation>一般</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Import XML</source>
        <translation>匯入 XML</translation>
    </message>
    <message>
        <source>Importing books from %1...</source>
        <translation>正在從 %1 匯入書籍...</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) read</source>
        <translation>
            <numerusform>已讀取 %n 本書</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1（唯讀）</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>這是一個資料夾，不是檔案。</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>檔案不存在。</translation>
    </message>
    <message>
        <source>%1 could not be opened as a library:
%2</source>
        <translation>無法將 %1 作為書庫開啟：
%2</translation>
    </message>
    <message>
        <source>Choose a Tomelodex library (a .mdb file made by Tomelodex) with File &gt; Open Database, or check that the file exists and that you may read it.</source>
        <translation>請透過「檔案 &gt; 開啟資料庫」選擇一個 Tomelodex 書庫（由 Tomelodex 建立的 .mdb 檔案），或檢查該檔案是否存在以及您是否有權讀取它。</translation>
    </message>
    <message>
        <source>%1 stays open.</source>
        <translation>%1 仍保持開啟。</translation>
    </message>
    <message>
        <source>Restore categories</source>
        <translation>還原類別</translation>
    </message>
    <message>
        <source>Put each book into the categories the file names for it, creating the missing ones. Unchecked, every book goes into the current category.</source>
        <translation>將每本書放入檔案為它指定的類別，並建立缺少的類別。不勾選時，所有書都匯入目前類別。</translation>
    </message>
</context>
<context>
    <name>CNameChoiceDlg</name>
    <message>
        <source>Please type the name to keep.</source>
        <translation>請輸入要保留的名稱。</translation>
    </message>
</context>
<context>
    <name>COptions</name>
    <message>
        <source>&amp;Default Values</source>
        <translation>預設值(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Misc Options</source>
        <translation>其他選項(&amp;M)</translation>
    </message>
</context>
<context>
    <name>COptionsDefaultPage</name>
    <message>
        <source>&amp;Purchase Date:</source>
        <translation>購買日期(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>語言(&amp;L)：</translation>
    </message>
    <message>
        <source>E&amp;xtra:</source>
        <translation>附件(&amp;X)：</translation>
    </message>
    <message>
        <source>S&amp;tore:</source>
        <translation>商店(&amp;T)：</translation>
    </message>
    <message>
        <source>L&amp;ocation:</source>
        <translation>位置(&amp;O)：</translation>
    </message>
    <message>
        <source>St&amp;atus:</source>
        <translation>狀態(&amp;A)：</translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation>使用者文字 1(&amp;1)：</translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation>使用者文字 2(&amp;2)：</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>I only have e&amp;Book:</source>
        <translation>只有電子書(&amp;B)：</translation>
    </message>
    <message>
        <source>The following default values will be used when adding new books.</source>
        <translation>新增書籍時將使用下列預設值。</translation>
    </message>
</context>
<context>
    <name>COptionsUIPage</name>
    <message>
        <source>Interface &amp;Language:</source>
        <translation>介面語言(&amp;L)：</translation>
    </message>
    <message>
        <source>(Restart of Tomelodex is needed.)</source>
        <translation>（需要重新啟動 Tomelodex。）</translation>
    </message>
    <message>
        <source>Your &amp;Associate Tag (Optional):</source>
        <translation>您的聯盟標籤(&amp;A)（選填）：</translation>
    </message>
    <message>
        <source>Looking Up Books:</source>
        <translation>查詢書籍：</translation>
    </message>
    <message>
        <source>an e-mail or web address (optional)</source>
        <translation>電子郵件或網址（選填）</translation>
    </message>
    <message>
        <source>Lookup &amp;source:</source>
        <translation>查詢來源(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Contact for Open Library:</source>
        <translation>Open Library 聯絡方式(&amp;C)：</translation>
    </message>
    <message>
        <source>The product service chosen before is discontinued and has no address of its own: books are looked up at Open Library.</source>
        <translation>先前選擇的產品服務已停止，且沒有自己的位址：圖書將在 Open Library 查詢。</translation>
    </message>
    <message>
        <source>Loans:</source>
        <translation>借閱：</translation>
    </message>
    <message>
        <source> days</source>
        <translation> 天</translation>
    </message>
    <message>
        <source>Default loan &amp;period:</source>
        <translation>預設借期(&amp;P)：</translation>
    </message>
</context>
<context>
    <name>COverdueLink</name>
    <message numerus="yes">
        <source>%n book(s) overdue</source>
        <translation>
            <numerusform>%n 本書逾期</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPagePrinter</name>
    <message>
        <source>The page could not be written to the temporary folder %1: %2. Make room there and print again.</source>
        <translation>無法將頁面寫入暫存資料夾 %1：%2。請騰出空間後再列印一次。</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: %2. Print again and choose a folder you may write to.</source>
        <translation>無法寫入 PDF 檔案「%1」：%2。請再列印一次並選擇一個可寫入的資料夾。</translation>
    </message>
    <message>
        <source>The pages could not be shown. Close the preview and try again.</source>
        <translation>無法顯示頁面。請關閉預覽後再試一次。</translation>
    </message>
    <message>
        <source>The page could not be prepared for printing. Refresh it and print again.</source>
        <translation>無法準備要列印的頁面。請重新整理頁面後再列印一次。</translation>
    </message>
</context>
<context>
    <name>CPictureFileDialog</name>
    <message>
        <source>No preview</source>
        <translation>無預覽</translation>
    </message>
    <message>
        <source>%1 × %2 pixels</source>
        <translation>%1 × %2 像素</translation>
    </message>
</context>
<context>
    <name>CPrintSystemJob</name>
    <message>
        <source>The printer &quot;%1&quot; did not take the pages: %2. Check that it is switched on and connected, or choose another printer, and print again.</source>
        <translation>印表機「%1」未接受這些頁面：%2。請確認印表機已開啟並已連接，或選擇其他印表機，然後再列印一次。</translation>
    </message>
</context>
<context>
    <name>CProgressWindow</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>CReadingDlg</name>
    <message>
        <source>Add Reading</source>
        <translation>新增閱讀記錄</translation>
    </message>
    <message>
        <source>Edit Reading</source>
        <translation>編輯閱讀記錄</translation>
    </message>
    <message>
        <source>Clear while the book is still being read</source>
        <translation>仍在閱讀時請取消勾選</translation>
    </message>
    <message>
        <source>&amp;Started:</source>
        <translation>開始(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Finished:</source>
        <translation>讀完(&amp;F)：</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>備註(&amp;O)：</translation>
    </message>
    <message>
        <source>Give the day of the reading, not only its month or year.</source>
        <translation>請給出閱讀的具體日期，而不只是月份或年份。</translation>
    </message>
</context>
<context>
    <name>CRemovalQuestion</name>
    <message numerus="yes">
        <source>Move %n book(s) to the Recycle Bin?</source>
        <translation>
            <numerusform>將 %n 本書移到資源回收筒？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[It leaves|They leave] every category. The Recycle Bin keeps [it|them] until [it is|they are] deleted there.</source>
        <translation>
            <numerusform>所選書籍將離開所有類別，並保留在資源回收筒中，直到在資源回收筒中將其刪除。</numerusform>
        </translation>
    </message>
    <message>
        <source>Move to Recycle Bin</source>
        <translation>移到資源回收筒</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n book(s) for good?</source>
        <translation>
            <numerusform>永久刪除 %n 本書？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[Its|Their] links and covers go too. This cannot be undone.</source>
        <translation>
            <numerusform>其連結和封面也將一併刪除。此操作無法復原。</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete for Good</source>
        <translation>永久刪除</translation>
    </message>
    <message>
        <source>Books in no other category go to the Recycle Bin.</source>
        <translation>不屬於其他類別的書籍將進入資源回收筒。</translation>
    </message>
    <message numerus="yes">
        <source>[It stays|They stay] in the library and in [its|their] other categories.</source>
        <translation>
            <numerusform>所選書籍仍保留在書庫及其其他類別中。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[It is|They are] in no other category, so [it goes|they go] to the Recycle Bin.</source>
        <translation>
            <numerusform>所選書籍不屬於其他類別，因此將進入資源回收筒。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them [is|are] in no other category and [goes|go] to the Recycle Bin; the others stay in their other categories.</source>
        <translation>
            <numerusform>其中 %n 本不屬於其他類別，將進入資源回收筒；其餘書籍仍保留在各自的其他類別中。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n book(s) from &quot;%1&quot;?</source>
        <translation>
            <numerusform>從「%1」中移除 %n 本書？</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove from Category</source>
        <translation>從類別中移除</translation>
    </message>
    <message>
        <source>Remove the category &quot;%1&quot;?</source>
        <translation>刪除類別「%1」？</translation>
    </message>
    <message numerus="yes">
        <source>Remove the category &quot;%1&quot; and its %n subcategor[y|ies]?</source>
        <translation>
            <numerusform>刪除類別「%1」及其 %n 個子類別？</numerusform>
        </translation>
    </message>
    <message>
        <source>No book is filed there.</source>
        <translation>其中沒有書籍。</translation>
    </message>
    <message numerus="yes">
        <source>The %n [book filed there stays|books filed there stay] in the library and in [its|their] other categories.</source>
        <translation>
            <numerusform>其中的 %n 本書仍保留在書庫及其其他類別中。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n [book filed there is|books filed there are] in no other category, so [it goes|they go] to the Recycle Bin.</source>
        <translation>
            <numerusform>其中的 %n 本書不屬於其他類別，因此將進入資源回收筒。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of the %1 books filed there, %n [is|are] in no other category and [goes|go] to the Recycle Bin; the others stay in their other categories.</source>
        <translation>
            <numerusform>其中的 %1 本書中，有 %n 本不屬於其他類別，將進入資源回收筒；其餘書籍仍保留在各自的其他類別中。</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove Category</source>
        <translation>刪除類別</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n book(s) from &quot;%1&quot; and its subcategories?</source>
        <translation>
            <numerusform>從「%1」及其子類別中移除 %n 本書？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CResultsDlg</name>
    <message>
        <source>Please select one from the following:</source>
        <translation>請從下列結果中選取一項：</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>第一頁</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>上一頁</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>下一頁</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>最後一頁</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>確定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Searching page %1...</source>
        <translation>正在搜尋第 %1 頁...</translation>
    </message>
</context>
<context>
    <name>CSqlRowsModel</name>
    <message numerus="yes">
        <source>(%n byte(s) of binary data)</source>
        <translation>
            <numerusform>（%n 位元組的二進位資料）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTidyNamesDlg</name>
    <message>
        <source>Tidy Names</source>
        <translation>整理名稱</translation>
    </message>
    <message>
        <source>Publishers</source>
        <translation>出版社</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>語言</translation>
    </message>
    <message>
        <source>Bindings</source>
        <translation>裝訂</translation>
    </message>
    <message>
        <source>Stores</source>
        <translation>商店</translation>
    </message>
    <message>
        <source>Locations</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Formats</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>&amp;Names of:</source>
        <translation>名稱類別(&amp;N):</translation>
    </message>
    <message>
        <source>Names containing...</source>
        <translation>包含此文字的名稱...</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>尋找(&amp;F):</translation>
    </message>
    <message>
        <source>Show only &amp;similar names</source>
        <translation>只顯示相似的名稱(&amp;S)</translation>
    </message>
    <message>
        <source>Groups the names that differ only in letter case, spaces, punctuation or a company word such as &quot;Inc.&quot; or &quot;Publishing&quot;</source>
        <translation>將只在大小寫、空格、標點或「Inc.」、「Publishing」等公司用詞上不同的名稱歸為一組</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名稱</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>書籍</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>合併(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>重新命名(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>刪除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete &amp;Unused</source>
        <translation>刪除未使用的(&amp;U)</translation>
    </message>
    <message>
        <source>Select two or more names and choose Merge to make them one.</source>
        <translation>選取兩個或更多名稱，然後選擇「合併」將它們合為一個。</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n name(s))</source>
        <translation>
            <numerusform>%1（%n 個名稱）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s)</source>
        <translation>
            <numerusform>%n 個名稱</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unused</source>
        <translation>
            <numerusform>%n 個未使用</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge Names</source>
        <translation>合併名稱</translation>
    </message>
    <message numerus="yes">
        <source>Merge these %n names into one. The books of all of them will carry the name you choose or type:</source>
        <translation>
            <numerusform>將這 %n 個名稱合併為一個。它們的所有書籍都將使用您選擇或輸入的名稱：</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重新命名</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot;:</source>
        <translation>「%1」的新名稱：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the list. Merge &quot;%2&quot; into it?</source>
        <translation>「%1」已在清單中。要將「%2」合併到其中嗎？</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is already in the list. Merge the %n selected names into it?</source>
        <translation>
            <numerusform>「%1」已在清單中。要將所選的 %n 個名稱合併到其中嗎？</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合併</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n names into &quot;%1&quot;</source>
        <translation>
            <numerusform>已將 %n 個名稱合併為「%1」</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) changed.</source>
        <translation>
            <numerusform>已變更 %n 本書籍。</numerusform>
        </translation>
    </message>
    <message>
        <source>Renamed &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>已將「%1」重新命名為「%2」。</translation>
    </message>
    <message numerus="yes">
        <source>Delete the %n name(s) that no book carries?</source>
        <translation>
            <numerusform>要刪除沒有書籍使用的 %n 個名稱嗎？</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n name(s).</source>
        <translation>
            <numerusform>已刪除 %n 個名稱。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) kept: a book carries them now.</source>
        <translation>
            <numerusform>保留了 %n 個名稱：現在有書籍在使用它們。</numerusform>
        </translation>
    </message>
    <message>
        <source>Another program has changed these names meanwhile, so nothing was changed. The list now shows the names as they are.</source>
        <translation>另一個程式在此期間變更了這些名稱，因此未做任何變更。清單現在顯示名稱的目前狀態。</translation>
    </message>
</context>
<context>
    <name>CTomeloHtmlView</name>
    <message numerus="yes">
        <source>and %n more book(s)</source>
        <translation>
            <numerusform>以及另外 %n 本書</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTomeloTreeView</name>
    <message numerus="yes">
        <source>%n subcategor[y|ies]</source>
        <translation>
            <numerusform>%n 個子類別</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>tomelodex-cli add: cannot read %1</source>
        <translation>tomelodex-cli add：無法讀取 %1</translation>
    </message>
    <message>
        <source>Error: %1 is not a valid ISBN.</source>
        <translation>錯誤：%1 不是有效的 ISBN。</translation>
    </message>
    <message>
        <source>Job finished: %1 added, %2 skipped, %3 failed, %4 not found.</source>
        <translation>工作完成：新增 %1 本，略過 %2 本，失敗 %3 本，找不到 %4 本。</translation>
    </message>
    <message>
        <source>Looks up each ISBN at the chosen source and adds the books found to category ID. Prints per ISBN a line with the ISBN, a tab, and the title or &quot;Error: &quot; and the error, then the final status with the numbers of books added, skipped as duplicates, failed to be saved and not found. Fails when any book could not be saved or none was found.</source>
        <translation>在所選來源查詢每個 ISBN，並將找到的書籍新增到類別 ID。每個 ISBN 輸出一行：ISBN、一個定位字元，然後是書名或「錯誤：」及錯誤訊息；最後輸出狀態，列出新增、因重複而略過、儲存失敗和找不到的書籍數量。有書籍無法儲存或一本也找不到時失敗。</translation>
    </message>
    <message>
        <source>Try &apos;tomelodex-cli --help&apos;.</source>
        <translation>請嘗試「tomelodex-cli --help」。</translation>
    </message>
    <message>
        <source>tomelodex-cli: books can be added only to category 1 or a category numbered 32 or above, not %1</source>
        <translation>tomelodex-cli：書籍只能新增到類別 1 或編號為 32 以上的類別，不能新增到 %1</translation>
    </message>
    <message>
        <source>%1: the library has no category %2</source>
        <translation>%1：書庫中沒有類別 %2</translation>
    </message>
    <message>
        <source>tomelodex-cli %1: &apos;%2&apos; is not a book number</source>
        <translation>tomelodex-cli %1：「%2」不是書籍編號</translation>
    </message>
    <message>
        <source>usage: tomelodex-cli COMMAND [OPTIONS] ARGS

Works on Tomelodex libraries without opening the window.

Commands:
</source>
        <translation>用法：tomelodex-cli 命令 [選項] 引數

不需開啟視窗即可處理 Tomelodex 書庫。

命令：
</translation>
    </message>
    <message>
        <source>
Options for every command: --source openlibrary|product chooses where books are
looked up for this run (the LookupSource setting otherwise; --service-host without
--source means product). --openlibrary-host URL, --covers-host URL, --service-host URL,
--search-host URL and --store-host URL use another Open Library, cover server, product
service, keyword search or store for this run (scheme, host and optional port,
e.g. http://127.0.0.1:8080).

&apos;tomelodex-cli COMMAND --help&apos; describes one command;
&apos;tomelodex-cli --version&apos; prints the program&apos;s name and version.
Exit status: 0 success, 1 the operation failed or found nothing, 2 usage error.</source>
        <translation>
所有命令共用的選項：--source openlibrary|product 選擇本次執行在何處查詢書籍
（否則使用 LookupSource 設定；只提供 --service-host 而沒有 --source 時表示 product）。
--openlibrary-host URL、--covers-host URL、--service-host URL、--search-host URL
和 --store-host URL 讓本次執行改用其他 Open Library、封面伺服器、商品服務、
關鍵字搜尋或商店（通訊協定、主機和選用的連接埠，例如 http://127.0.0.1:8080）。

「tomelodex-cli 命令 --help」說明一個命令；
「tomelodex-cli --version」輸出程式的名稱和版本。
結束狀態：0 成功，1 操作失敗或什麼也沒找到，2 用法錯誤。</translation>
    </message>
    <message>
        <source>tomelodex-cli: a command is missing.</source>
        <translation>tomelodex-cli：缺少命令。</translation>
    </message>
    <message>
        <source>tomelodex-cli: --source needs openlibrary or product</source>
        <translation>tomelodex-cli：--source 需要 openlibrary 或 product</translation>
    </message>
    <message>
        <source>tomelodex-cli: %1 needs an address such as http://127.0.0.1:8080</source>
        <translation>tomelodex-cli：%1 需要一個位址，例如 http://127.0.0.1:8080</translation>
    </message>
    <message>
        <source>tomelodex-cli: unknown command &apos;%1&apos;.</source>
        <translation>tomelodex-cli：未知的命令「%1」。</translation>
    </message>
    <message>
        <source>tomelodex-cli: cannot read standard input.</source>
        <translation>tomelodex-cli：無法讀取標準輸入。</translation>
    </message>
    <message>
        <source>tomelodex-cli: unknown isbn action &apos;%1&apos;.
%2</source>
        <translation>tomelodex-cli：未知的 isbn 動作「%1」。
%2</translation>
    </message>
    <message>
        <source>ISBN rules. normalize: trims the text, drops hyphens and writes the check letter X in upper case. check: prints the normalised ISBN when it is a valid ISBN-10 or 979 ISBN-13, else fails. ean: turns a 978 EAN-13 bar code with a right check digit into its ISBN-10 and drops a scanner&apos;s add-on from a 979 one (other text comes back unchanged). find: prints the first ISBN in standard input (a printed 978 ISBN-13 as its ISBN-10), or fails. tag: prints the tag of an e-book file name, between its last &apos;-&apos; and its last &apos;.&apos;.</source>
        <translation>ISBN 規則。normalize：去除前後空白和連字號，並將檢查字母 X 寫成大寫。check：是有效的 ISBN-10 或 979 開頭的 ISBN-13 時輸出正規化的 ISBN，否則失敗。ean：將檢查碼正確的 978 開頭 EAN-13 條碼轉換為 ISBN-10，並去除 979 條碼上掃描器附加的部分（其他文字原樣傳回）。find：輸出標準輸入中的第一個 ISBN（印刷的 978 開頭 ISBN-13 輸出為 ISBN-10），找不到則失敗。tag：輸出電子書檔名中最後一個「-」與最後一個「.」之間的標籤。</translation>
    </message>
    <message>
        <source>Prints the first ISBN starting with 0 or 1 found in the HTML pages of the CHM file, or fails when there is none.</source>
        <translation>輸出在 CHM 檔案的 HTML 頁面中找到的第一個以 0 或 1 開頭的 ISBN，沒有則失敗。</translation>
    </message>
    <message>
        <source>tomelodex-cli list: --category needs a category number</source>
        <translation>tomelodex-cli list：--category 需要類別編號</translation>
    </message>
    <message>
        <source>Creates a new library from the template beside the program (replacing LIBRARY), names its fixed rows in the interface language and creates its images folder.</source>
        <translation>用程式旁的範本建立新書庫（取代 LIBRARY），以介面語言命名其固定列，並建立其圖片資料夾。</translation>
    </message>
    <message>
        <source>Runs an SQL statement on the library and prints the number of records affected and of records returned.</source>
        <translation>在書庫上執行一個 SQL 陳述式，並輸出受影響的記錄數和傳回的記錄數。</translation>
    </message>
    <message>
        <source>Compacts the library and prints its size before and after.</source>
        <translation>壓縮書庫並輸出壓縮前後的大小。</translation>
    </message>
    <message>
        <source>Prints the books the list shows for a category (default 5, All Books), one line each: BookID, Title, Author, Publisher, ISBN and Edition separated by tabs.</source>
        <translation>輸出清單為某個類別顯示的書籍（預設 5，全部書籍），每本一行：BookID、書名、作者、出版社、ISBN 和版本，以定位字元分隔。</translation>
    </message>
    <message>
        <source>Files the books whose title, author, ISBN, description, notes or user texts contain KEYWORD in Search Results (emptied first unless --keep) and prints how many were found.</source>
        <translation>將書名、作者、ISBN、簡介、備註或使用者文字中含有 KEYWORD 的書籍放入搜尋結果（除非指定 --keep，否則先清空），並輸出找到的數量。</translation>
    </message>
    <message>
        <source>%1 is not a valid ISBN.</source>
        <translation>%1 不是有效的 ISBN。</translation>
    </message>
    <message>
        <source>Looks the ISBN up at the chosen source (Open Library or the product service), on a record with the default values for new books, and prints the result as one Book element of the book XML. Fails with the source&apos;s message when it knows no such book.</source>
        <translation>在所選來源（Open Library 或商品服務）查詢該 ISBN，以新書籍的預設值為基礎，並將結果輸出為書籍 XML 的一個 Book 元素。來源不認得這本書時，以來源的訊息失敗。</translation>
    </message>
    <message>
        <source>tomelodex-cli render: there is no %1 named &apos;%2&apos;; there are: %3</source>
        <translation>tomelodex-cli render：沒有名為「%2」的%1；現有：%3</translation>
    </message>
    <message>
        <source>template</source>
        <translation>範本</translation>
    </message>
    <message>
        <source>style</source>
        <translation>樣式</translation>
    </message>
    <message>
        <source>tomelodex-cli render: the library has no book %1</source>
        <translation>tomelodex-cli render：書庫中沒有書籍 %1</translation>
    </message>
    <message>
        <source>Writes the information page of the given books as Save As HTML saves it, with the content template and display style of those titles (the stored choices by default), to standard output or FILE.</source>
        <translation>像「另存為 HTML」那樣寫出指定書籍的資訊頁，使用指定名稱的內容範本和顯示樣式（預設為已儲存的選擇），輸出到標準輸出或 FILE。</translation>
    </message>
    <message>
        <source>Writes the book XML of the given books, in that order, or of the books the list shows for category ID (5: All Books), as Save As XML writes it, to standard output or FILE.</source>
        <translation>像「另存為 XML」那樣依指定順序寫出指定書籍的書籍 XML，或寫出清單為類別 ID 顯示的書籍（5：全部書籍），輸出到標準輸出或 FILE。</translation>
    </message>
    <message>
        <source>tomelodex-cli: %1: the name is not valid UTF-8; only a library can be named so</source>
        <translation>tomelodex-cli: %1: 此名稱不是有效的 UTF-8；只有書庫可以使用這樣的名稱</translation>
    </message>
    <message>
        <source>tomelodex-cli edit: unknown field &apos;%1&apos;</source>
        <translation>tomelodex-cli edit：未知欄位「%1」</translation>
    </message>
    <message>
        <source>%1: the library has no book %2</source>
        <translation>%1：書庫中沒有書籍 %2</translation>
    </message>
    <message>
        <source>tomelodex-cli: the product service is discontinued; --source product needs --service-host with a service of your own</source>
        <translation>tomelodex-cli：產品服務已停止；--source product 需要以 --service-host 指定您自己的服務</translation>
    </message>
    <message>
        <source>Writes one backup file (a zip) of the library and its covers, consistent even while other programs use the library. Prints nothing.</source>
        <translation>把書庫及其封面寫入一個備份檔案（zip），即使其他程式正在使用書庫，備份也是一致的。不輸出任何內容。</translation>
    </message>
    <message>
        <source>Makes a new library, with its covers, from a backup file. LIBRARY must not exist yet. Prints nothing.</source>
        <translation>從備份檔案建立一個新書庫及其封面。LIBRARY 必須尚不存在。不輸出任何內容。</translation>
    </message>
    <message>
        <source>A number in a series needs the name of the series (Series=NAME).</source>
        <translation>系列中的編號需要系列名稱（Series=NAME）。</translation>
    </message>
    <message>
        <source>Sets fields of one book as the book sheet saves them, in one transaction. FIELD is an element name of the book XML (Title, Author, MyRating, Location, Notes, Series, SeriesNumber, ...; FrontCover and BackCover name a picture file, empty for none; an empty Series takes the book out of its series); every other column and row of the library stays. Fails for an unknown book or a SeriesNumber that is not a number; an unknown field is a usage error.</source>
        <translation>依書籍屬性表儲存的方式，在一個交易中設定一本書的欄位。FIELD 是書籍 XML 的元素名稱（Title、Author、MyRating、Location、Notes、Series、SeriesNumber 等；FrontCover 與 BackCover 指定圖片檔案，空白表示無；Series 空白則將書籍移出其系列）；書庫的其他欄與列均保持不變。書籍不存在或 SeriesNumber 不是數字時失敗；未知欄位屬於用法錯誤。</translation>
    </message>
    <message>
        <source>tomelodex-cli %1: %2 needs a date such as 2026-12-07, not &apos;%3&apos;</source>
        <translation>tomelodex-cli %1：%2 需要日期，例如 2026-12-07，而不是「%3」</translation>
    </message>
    <message>
        <source>tomelodex-cli %1: %2 needs a value</source>
        <translation>tomelodex-cli %1：%2 需要一個值</translation>
    </message>
    <message>
        <source>usage: tomelodex-cli %1 %2</source>
        <translation>用法：tomelodex-cli %1 %2</translation>
    </message>
    <message>
        <source>tomelodex-cli loan: give either --to NAME or --from NAME</source>
        <translation>tomelodex-cli loan：請指定 --to NAME 或 --from NAME 其中之一</translation>
    </message>
    <message>
        <source>Records a loan of the book: lent to NAME (--to) or borrowed from NAME (--from), on DATE (default today), due back on the --due date. Fails for a book already out, a due date before the loan date or an empty name.</source>
        <translation>記錄書籍的借閱：借給 NAME（--to）或向 NAME 借入（--from），日期為 DATE（預設今天），應於 --due 日期歸還。書籍已借出、歸還期限早於借出日期或姓名空白時失敗。</translation>
    </message>
    <message>
        <source>Closes the book&apos;s open loan on DATE (default today). Fails when none is open.</source>
        <translation>在 DATE（預設今天）結束書籍未歸還的借閱。沒有未歸還的借閱時失敗。</translation>
    </message>
    <message>
        <source>Lists open loans, oldest first (--all: returned ones too; --overdue: those due before DATE, default today), one a line: BookID, Title, lent or borrowed, name, loan date, due date, return date, separated by tabs.</source>
        <translation>列出未歸還的借閱，最早的在前（--all：也包括已歸還的；--overdue：應還日期早於 DATE 的，預設今天），每行一筆：BookID、書名、lent 或 borrowed、姓名、借出日期、應還日期、歸還日期，以定位字元分隔。</translation>
    </message>
    <message>
        <source>Adds a reading of the book (begun today when no date is given). Fails when it finished before it started.</source>
        <translation>新增書籍的一次閱讀（未提供日期時從今天開始）。結束早於開始時失敗。</translation>
    </message>
    <message>
        <source>Imports the books of a book XML file into category ID. With --keep-categories each book goes instead into the categories the file names for it, found by their path and created when missing (Favorites and Reading List included); a book the file puts in no category still goes into category ID. A book whose ISBN is already in the library is skipped (skip, the default) or added anyway (add). Prints how many books were found and imported, then how many were imported, skipped and failed; exits 1 when any failed or the import was stopped.</source>
        <translation>將圖書 XML 檔案中的書匯入類別 ID。使用 --keep-categories 時，每本書改為放入檔案為它指定的類別：依路徑尋找，缺少時建立（包括我的最愛和閱讀清單）；檔案未放入任何類別的書仍匯入類別 ID。ISBN 已在書庫中的書會被略過（skip，預設）或仍然加入（add）。輸出找到和匯入的書數，接著是匯入、略過和失敗的書數；有失敗或匯入被停止時結束代碼為 1。</translation>
    </message>
    <message>
        <source>tomelodex-cli: --map %1: %2 is no field of a book.</source>
        <translation>tomelodex-cli: --map %1: %2 不是圖書的欄位。</translation>
    </message>
    <message>
        <source>tomelodex-cli: unknown format %1; one of: %2</source>
        <translation>tomelodex-cli: 未知格式 %1；可用格式：%2</translation>
    </message>
    <message>
        <source>Dry run: the library was not changed.</source>
        <translation>試執行：圖書庫未被更改。</translation>
    </message>
    <message>
        <source>Imports the books of other catalogues&apos; exports into category ID (default 1, Book Collection), all in one transaction. FORMAT is auto (the default: found out from each file&apos;s content), goodreads, librarything, storygraph, libib, calibre (a calibre library&apos;s folder or its metadata.db, only read), tellico (.tc or its XML), gcstar (.gcs), csv (any table with a header row) or tomelodex (the book XML). --map COLUMN=FIELD names the field of a table&apos;s column (a book XML element, or Categories, Series, SeriesNumber), over the guess by header name. Tags, shelves and collections go into categories below one named after the source. A book whose ISBN is already in the library is skipped (skip, the default), added anyway (add) or fills the stored book&apos;s empty fields (fill). --dry-run changes nothing. Prints per record its number, a tab and the title or &quot;Error: &quot; and the reason, then how many were imported, skipped and failed; exits 1 when any failed or the import was stopped, keeping nothing.</source>
        <translation>將其他目錄匯出檔案中的圖書匯入類別 ID（預設 1，Book Collection），全部在一個交易中完成。FORMAT 為 auto（預設：依每個檔案的內容判斷）、goodreads、librarything、storygraph、libib、calibre（calibre 書庫資料夾或其 metadata.db，唯讀）、tellico（.tc 或其 XML）、gcstar（.gcs）、csv（任何帶標題列的表格）或 tomelodex（圖書 XML）。--map COLUMN=FIELD 指定表格某欄對應的欄位（圖書 XML 元素，或 Categories、Series、SeriesNumber），優先於依標題名稱的推測。標籤、書架與收藏放入以來源命名的類別下的子類別。ISBN 已在圖書庫中的圖書會被略過（skip，預設）、照樣新增（add）或用來填寫已存圖書的空白欄位（fill）。--dry-run 不做任何變更。每筆記錄輸出其編號、一個定位字元以及書名或 &quot;Error: &quot; 與原因，然後輸出匯入、略過與失敗的數量；有任何失敗或匯入被中止（不保留任何內容）時結束代碼為 1。</translation>
    </message>
    <message>
        <source>Writes every book, or those the list shows for category ID, as CSV in UTF-8 with a header row to standard output or FILE: tomelodex (the default) writes the book XML&apos;s element names, then Categories (the category paths joined by &quot;; &quot;), Series and SeriesNumber; goodreads writes the columns of a Goodreads library export.</source>
        <translation>將每本圖書（或列表為類別 ID 顯示的圖書）寫成帶標題列的 UTF-8 CSV，輸出到標準輸出或 FILE：tomelodex（預設）寫出圖書 XML 的元素名稱，然後是 Categories（類別路徑以 &quot;; &quot; 連接）、Series 和 SeriesNumber；goodreads 寫出 Goodreads 圖書館匯出檔案的各欄。</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;New Database...	Ctrl+N</source>
        <translation>新增資料庫(&amp;N)...	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new database</source>
        <translation>建立新的資料庫</translation>
    </message>
    <message>
        <source>&amp;Open Database...	Ctrl+O</source>
        <translation>開啟資料庫(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing database</source>
        <translation>開啟現有的資料庫</translation>
    </message>
    <message>
        <source>&amp;XML...</source>
        <translation>&amp;XML...</translation>
    </message>
    <message>
        <source>Import books from Tomelodex XML</source>
        <translation>從 Tomelodex XML 匯入書籍</translation>
    </message>
    <message>
        <source>&amp;HTML...	Ctrl+S</source>
        <translation>&amp;HTML...	Ctrl+S</translation>
    </message>
    <message>
        <source>Save book information as HTML</source>
        <translation>將書籍資訊另存為 HTML</translation>
    </message>
    <message>
        <source>Save book information as XML</source>
        <translation>將書籍資訊另存為 XML</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>版面設定(&amp;U)...</translation>
    </message>
    <message>
        <source>Change printing settings (headers and footers etc.)</source>
        <translation>變更列印設定（頁首和頁尾等）</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>預覽列印(&amp;V)...</translation>
    </message>
    <message>
        <source>Preview how the book information will print</source>
        <translation>預覽書籍資訊的列印結果</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>列印(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print book information</source>
        <translation>列印書籍資訊</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>結束(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>結束應用程式</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>剪下(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>剪下選取範圍並將其放到剪貼簿上</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>複製(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>複製選取範圍並將其放到剪貼簿上</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>貼上(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>插入剪貼簿內容</translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation>全選(&amp;A)	Ctrl+A</translation>
    </message>
    <message>
        <source>Select everything in the current window</source>
        <translation>選取目前視窗中的所有內容</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>復原(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>復原上一個動作</translation>
    </message>
    <message>
        <source>Add &amp;Sub Category...</source>
        <translation>新增子類別(&amp;S)...</translation>
    </message>
    <message>
        <source>Add a sub category in this category</source>
        <translation>在此類別中新增子類別</translation>
    </message>
    <message>
        <source>&amp;Remove Category</source>
        <translation>刪除類別(&amp;R)</translation>
    </message>
    <message>
        <source>Delete this category</source>
        <translation>刪除此類別</translation>
    </message>
    <message>
        <source>&amp;Edit Category...</source>
        <translation>編輯類別(&amp;E)...</translation>
    </message>
    <message>
        <source>Edit this category</source>
        <translation>編輯此類別</translation>
    </message>
    <message>
        <source>Add &amp;Book...	Ins</source>
        <translation>新增書籍(&amp;B)...	Ins</translation>
    </message>
    <message>
        <source>Add a new book in the current category</source>
        <translation>在目前類別中新增書籍</translation>
    </message>
    <message>
        <source>&amp;Remove Book	Del</source>
        <translation>刪除書籍(&amp;R)	Del</translation>
    </message>
    <message>
        <source>Delete selected book(s)</source>
        <translation>刪除所選書籍</translation>
    </message>
    <message>
        <source>&amp;Edit Book...	Enter</source>
        <translation>編輯書籍(&amp;E)...	Enter</translation>
    </message>
    <message>
        <source>Edit selected book</source>
        <translation>編輯所選書籍</translation>
    </message>
    <message>
        <source>&amp;Favorites</source>
        <translation>我的最愛(&amp;F)</translation>
    </message>
    <message>
        <source>Add selected book(s) to Favorites</source>
        <translation>將所選書籍加入我的最愛</translation>
    </message>
    <message>
        <source>&amp;Reading List</source>
        <translation>閱讀清單(&amp;R)</translation>
    </message>
    <message>
        <source>Add selected book(s) to Reading List</source>
        <translation>將所選書籍加入閱讀清單</translation>
    </message>
    <message>
        <source>&amp;Search Results</source>
        <translation>搜尋結果(&amp;S)</translation>
    </message>
    <message>
        <source>Add selected book(s) to Search Results</source>
        <translation>將所選書籍加入搜尋結果</translation>
    </message>
    <message>
        <source>Basic &amp;Search	Ctrl+F</source>
        <translation>基本搜尋(&amp;S)	Ctrl+F</translation>
    </message>
    <message>
        <source>Search in the book collection</source>
        <translation>在藏書中搜尋</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具列(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>顯示或隱藏工具列</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>狀態列(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>顯示或隱藏狀態列</translation>
    </message>
    <message>
        <source>&amp;Thumbnails</source>
        <translation>縮圖(&amp;T)</translation>
    </message>
    <message>
        <source>Display thumbnails in book list window</source>
        <translation>在書籍清單視窗中顯示縮圖</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>詳細資料(&amp;D)</translation>
    </message>
    <message>
        <source>Display details in book list window</source>
        <translation>在書籍清單視窗中顯示詳細資料</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>重新整理(&amp;R)</translation>
    </message>
    <message>
        <source>Refresh current display</source>
        <translation>重新整理目前的顯示內容</translation>
    </message>
    <message>
        <source>&amp;Compact Database</source>
        <translation>壓縮資料庫(&amp;C)</translation>
    </message>
    <message>
        <source>Compact the database to save space and improve efficiency</source>
        <translation>壓縮資料庫以節省空間並提升效率</translation>
    </message>
    <message>
        <source>&amp;Run SQL...</source>
        <translation>執行 SQL(&amp;R)...</translation>
    </message>
    <message>
        <source>Submit SQL statement to the database</source>
        <translation>向資料庫提交 SQL 陳述式</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>選項(&amp;O)...</translation>
    </message>
    <message>
        <source>Change Preferences</source>
        <translation>變更喜好設定</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>說明主題(&amp;H)</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>列出說明主題</translation>
    </message>
    <message>
        <source>&amp;About Tomelodex...</source>
        <translation>關於 Tomelodex(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>顯示程式資訊、版本號碼和著作權</translation>
    </message>
    <message>
        <source>Tomelodex &amp;Website</source>
        <translation>Tomelodex 網站(&amp;W)</translation>
    </message>
    <message>
        <source>Visit our website, where you can find updates and other free apps</source>
        <translation>造訪我們的網站，取得更新和其他免費軟體</translation>
    </message>
    <message>
        <source>Support &amp;Forum</source>
        <translation>支援論壇(&amp;F)</translation>
    </message>
    <message>
        <source>Visit our forum and submit bug reports, suggestions etc.</source>
        <translation>造訪我們的論壇，提交錯誤回報、建議等</translation>
    </message>
    <message>
        <source>Next Pane	F6</source>
        <translation>下一個窗格	F6</translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation>切換到下一個窗格</translation>
    </message>
    <message>
        <source>Previous Pane	Shift+F6</source>
        <translation>上一個窗格	Shift+F6</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation>切換回上一個窗格</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>檔案(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>匯入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>匯出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>編輯(&amp;E)</translation>
    </message>
    <message>
        <source>Sen&amp;d To</source>
        <translation>傳送到(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>檢視(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>說明(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具列</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就緒</translation>
    </message>
    <message>
        <source>Save As &amp;HTML...</source>
        <translation>另存為 &amp;HTML...</translation>
    </message>
    <message>
        <source>Save As &amp;XML...</source>
        <translation>另存為 &amp;XML...</translation>
    </message>
    <message>
        <source>Open this database</source>
        <translation>開啟此資料庫</translation>
    </message>
    <message>
        <source>&amp;Include Subcategories</source>
        <translation>包含子類別(&amp;I)</translation>
    </message>
    <message>
        <source>List the books of the sub categories in a category too</source>
        <translation>在類別中一併列出其子類別的書籍</translation>
    </message>
    <message>
        <source>Sort Authors by &amp;Last Name</source>
        <translation>依姓氏排序作者(&amp;L)</translation>
    </message>
    <message>
        <source>Sort the Author column by the first author&apos;s last name</source>
        <translation>依第一作者的姓氏排序「作者」欄</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>欄(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Tidy Names...</source>
        <translation>整理名稱(&amp;N)...</translation>
    </message>
    <message>
        <source>Merge, rename and delete the names of publishers, languages and the like</source>
        <translation>合併、重新命名和刪除出版社、語言等名稱</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>重做(&amp;R)	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Redo the last action undone</source>
        <translation>重做上一個復原的動作</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>復原(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>復原(&amp;U) %1</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Redo %1</source>
        <translation>重做(&amp;R) %1</translation>
    </message>
    <message>
        <source>&amp;Back Up Library...</source>
        <translation>備份書庫(&amp;B)...</translation>
    </message>
    <message>
        <source>Save the library and its covers in one backup file</source>
        <translation>把書庫及其封面儲存到一個備份檔案中</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup...</source>
        <translation>從備份還原(&amp;R)...</translation>
    </message>
    <message>
        <source>Make a new library from a backup file and open it</source>
        <translation>從備份檔案建立一個新書庫並開啟它</translation>
    </message>
    <message>
        <source>&amp;Lend...</source>
        <translation>借出(&amp;L)...</translation>
    </message>
    <message>
        <source>Record that the selected books are lent to someone</source>
        <translation>記錄所選圖書已借給某人</translation>
    </message>
    <message>
        <source>Retur&amp;n</source>
        <translation>歸還(&amp;N)</translation>
    </message>
    <message>
        <source>Record that the selected books are back today</source>
        <translation>記錄所選圖書已於今天歸還</translation>
    </message>
    <message>
        <source>Borrowed &amp;From...</source>
        <translation>借自(&amp;F)...</translation>
    </message>
    <message>
        <source>Record that the selected books are borrowed from someone</source>
        <translation>記錄所選圖書是向某人借來的</translation>
    </message>
    <message>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV...</translation>
    </message>
    <message>
        <source>Save the books of the category as a CSV table</source>
        <translation>將該類別的圖書儲存為 CSV 表格</translation>
    </message>
    <message>
        <source>&amp;Goodreads CSV...</source>
        <translation>&amp;Goodreads CSV...</translation>
    </message>
    <message>
        <source>Save the books of the category as CSV in the columns Goodreads imports</source>
        <translation>將該類別的圖書儲存為 CSV，使用 Goodreads 匯入的各欄</translation>
    </message>
</context>
<context>
    <name>HtmlEditor</name>
    <message>
        <source>Cut</source>
        <translation>剪下</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>複製</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>貼上</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>刪除</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗體</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>底線</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜體</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字型</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景色彩</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>靠左對齊</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>置中</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>靠右對齊</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>編號清單</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>項目符號清單</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>減少縮排</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>增加縮排</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>水平線</translation>
    </message>
    <message>
        <source>Add Hyperlink</source>
        <translation>新增超連結</translation>
    </message>
    <message>
        <source>Insert image</source>
        <translation>插入圖片</translation>
    </message>
    <message>
        <source>Switch Design/Preview Mode</source>
        <translation>切換設計/預覽模式</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1: reading %2 files is not built yet.</source>
        <translation>%1：尚不支援讀取 %2 檔案。</translation>
    </message>
    <message>
        <source>%1 is a folder without a calibre library&apos;s metadata.db.</source>
        <translation>%1 是一個沒有 calibre 書庫 metadata.db 的資料夾。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is a zip archive without a Tellico collection (tellico.xml) in it.</source>
        <translation>%1 是一個不含 Tellico 收藏（tellico.xml）的 zip 壓縮檔。</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 是空的。</translation>
    </message>
    <message>
        <source>%1 is of no kind the import reads.</source>
        <translation>%1 不是匯入功能能讀取的檔案類型。</translation>
    </message>
    <message>
        <source>%1 is an XML file of no kind the import reads.</source>
        <translation>%1 是匯入功能無法讀取的 XML 檔案。</translation>
    </message>
    <message>
        <source>%1, record %2</source>
        <translation>%1，記錄 %2</translation>
    </message>
    <message>
        <source>%1: kept in Notes: %2</source>
        <translation>%1：已保存在備註中：%2</translation>
    </message>
    <message>
        <source>the library has a book with this ISBN already: %1</source>
        <translation>圖書庫中已有此 ISBN 的圖書：%1</translation>
    </message>
    <message>
        <source>(a picture inside the file)</source>
        <translation>（檔案內的圖片）</translation>
    </message>
    <message>
        <source>the library has a book with this ISBN already, without an empty field the record could fill: %1</source>
        <translation>圖書庫中已有此 ISBN 的圖書，且沒有該記錄可填寫的空白欄位：%1</translation>
    </message>
    <message>
        <source>%1 (filled in the stored book)</source>
        <translation>%1（已填入已存圖書）</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>已略過：%1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>錯誤：%1</translation>
    </message>
    <message>
        <source>It has neither a title nor an ISBN.</source>
        <translation>既沒有書名也沒有 ISBN。</translation>
    </message>
    <message>
        <source>Series number</source>
        <translation>叢書編號</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>狀態</translation>
    </message>
    <message>
        <source>Reading started</source>
        <translation>開始閱讀</translation>
    </message>
    <message>
        <source>Reading finished</source>
        <translation>讀完</translation>
    </message>
    <message>
        <source>Read count</source>
        <translation>閱讀次數</translation>
    </message>
    <message>
        <source>Loan to %1</source>
        <translation>借給 %1</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>借閱</translation>
    </message>
    <message>
        <source>Due date</source>
        <translation>到期日</translation>
    </message>
    <message>
        <source>%1: row %2 has more than %3 fields; the file is no table of books.</source>
        <translation>%1：第 %2 列的欄位超過 %3 個；該檔案不是圖書表格。</translation>
    </message>
    <message>
        <source>%1 cannot be read as a table: %2</source>
        <translation>無法將 %1 作為表格讀取：%2</translation>
    </message>
    <message>
        <source>%1: row %2 holds a field of more than %3 MB; is a quote left open?</source>
        <translation>%1：第 %2 列有一個超過 %3 MB 的欄位；是否有未閉合的引號？</translation>
    </message>
    <message>
        <source>%1: the quote opened in row %2 is never closed.</source>
        <translation>%1：第 %2 列開始的引號沒有閉合。</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>記憶體不足</translation>
    </message>
    <message>
        <source>%1 has no header row.</source>
        <translation>%1 沒有標題列。</translation>
    </message>
    <message>
        <source>The text is not valid UTF-8: read as Windows-1252.</source>
        <translation>該文字不是有效的 UTF-8：已按 Windows-1252 讀取。</translation>
    </message>
    <message>
        <source>%1 has no column for the title or the ISBN; its columns are: %2.</source>
        <translation>%1 沒有書名或 ISBN 欄；它的欄為：%2。</translation>
    </message>
    <message>
        <source>%1 has no Title column: it is no Goodreads export.</source>
        <translation>%1 沒有 Title 欄：它不是 Goodreads 匯出檔案。</translation>
    </message>
    <message>
        <source>%1 has no title column: it is no Libib export.</source>
        <translation>%1 沒有 title 欄：它不是 Libib 匯出檔案。</translation>
    </message>
    <message>
        <source>%1 is too large for a LibraryThing export.</source>
        <translation>%1 太大，不可能是 LibraryThing 匯出檔案。</translation>
    </message>
    <message>
        <source>%1 is no JSON file: %2 at character %3.</source>
        <translation>%1 不是 JSON 檔案：第 %3 個字元處%2。</translation>
    </message>
    <message>
        <source>Entry %1 is no book.</source>
        <translation>第 %1 項不是圖書。</translation>
    </message>
    <message>
        <source>%1 has no title column: it is no LibraryThing export.</source>
        <translation>%1 沒有書名欄：它不是 LibraryThing 匯出檔案。</translation>
    </message>
    <message>
        <source>%1 has no Title column: it is no StoryGraph export.</source>
        <translation>%1 沒有 Title 欄：它不是 StoryGraph 匯出檔案。</translation>
    </message>
    <message>
        <source>Field %1</source>
        <translation>欄位 %1</translation>
    </message>
    <message>
        <source>Row %1 has %2 fields where the header has %3, and neither a title nor an ISBN can be read from it.</source>
        <translation>第 %1 列有 %2 個欄位，而標題列有 %3 個，且無法從中讀出書名或 ISBN。</translation>
    </message>
    <message>
        <source>The file is not valid UTF-8 (first in row %1): read as Windows-1252.</source>
        <translation>該檔案不是有效的 UTF-8（首次出現在第 %1 列）：已按 Windows-1252 讀取。</translation>
    </message>
    <message>
        <source>%1 more rows have more or fewer fields than the header.</source>
        <translation>另有 %1 列的欄位數與標題列不同。</translation>
    </message>
    <message>
        <source>Row %1 has %2 fields where the header has %3; its values were kept.</source>
        <translation>第 %1 列有 %2 個欄位，而標題列有 %3 個；其值已保留。</translation>
    </message>
    <message>
        <source>%1 was read as Windows-1252: it is not valid UTF-8.</source>
        <translation>%1 已按 Windows-1252 讀取：它不是有效的 UTF-8。</translation>
    </message>
    <message>
        <source>%1 is not a GCstar collection.</source>
        <translation>%1 不是 GCstar 收藏。</translation>
    </message>
    <message>
        <source>%1 holds a GCstar collection of the kind %2, not of books: only book collections can be imported.</source>
        <translation>%1 包含類型為 %2 的 GCstar 收藏，而不是圖書：只能匯入圖書收藏。</translation>
    </message>
    <message>
        <source>The item cannot be read: %1</source>
        <translation>無法讀取該項目：%1</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Book %1 is imported without its cover: %2 is not there.</source>
        <translation>第 %1 本書匯入時沒有封面：%2 不存在。</translation>
    </message>
    <message>
        <source>%1 is no zip archive that can be read.</source>
        <translation>%1 不是可讀取的 zip 壓縮檔。</translation>
    </message>
    <message>
        <source>%1 holds more than %2 files.</source>
        <translation>%1 包含超過 %2 個檔案。</translation>
    </message>
    <message>
        <source>%1 has no file %2.</source>
        <translation>%1 中沒有檔案 %2。</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>無法讀取 %1。</translation>
    </message>
    <message>
        <source>%1 is encrypted.</source>
        <translation>%1 已加密。</translation>
    </message>
    <message>
        <source>%1 unpacks to more than %2 MiB.</source>
        <translation>%1 解壓縮後超過 %2 MiB。</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>%1 已損毀。</translation>
    </message>
    <message>
        <source>The files in %1 unpack to more than %2 MiB.</source>
        <translation>%1 中的檔案解壓縮後超過 %2 MiB。</translation>
    </message>
    <message>
        <source>custom entries</source>
        <translation>自訂項目</translation>
    </message>
    <message>
        <source>videos</source>
        <translation>影片</translation>
    </message>
    <message>
        <source>music albums</source>
        <translation>音樂專輯</translation>
    </message>
    <message>
        <source>bibliography entries</source>
        <translation>書目條目</translation>
    </message>
    <message>
        <source>comic books</source>
        <translation>漫畫</translation>
    </message>
    <message>
        <source>wines</source>
        <translation>葡萄酒</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>錢幣</translation>
    </message>
    <message>
        <source>stamps</source>
        <translation>郵票</translation>
    </message>
    <message>
        <source>trading cards</source>
        <translation>集換式卡牌</translation>
    </message>
    <message>
        <source>video games</source>
        <translation>電子遊戲</translation>
    </message>
    <message>
        <source>files</source>
        <translation>檔案</translation>
    </message>
    <message>
        <source>board games</source>
        <translation>桌遊</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>類型 %1</translation>
    </message>
    <message>
        <source>%1 holds a Tellico collection of %2, not of books: only book collections can be imported.</source>
        <translation>%1 包含 %2 的 Tellico 收藏，而不是圖書：只能匯入圖書收藏。</translation>
    </message>
    <message>
        <source>%1 is not a Tellico file.</source>
        <translation>%1 不是 Tellico 檔案。</translation>
    </message>
    <message>
        <source>%1 holds no Tellico collection.</source>
        <translation>%1 中沒有 Tellico 收藏。</translation>
    </message>
    <message>
        <source>The picture %1 in %2 takes more than %3 MiB and is left out.</source>
        <translation>%2 中的圖片 %1 超過 %3 MiB，已略過。</translation>
    </message>
    <message>
        <source>The pictures in %1 are left out: no temporary folder can be made.</source>
        <translation>%1 中的圖片已略過：無法建立暫存資料夾。</translation>
    </message>
    <message>
        <source>The picture %1 in %2 is left out: %3</source>
        <translation>%2 中的圖片 %1 已略過：%3</translation>
    </message>
    <message>
        <source>The entry cannot be read: %1</source>
        <translation>無法讀取該條目：%1</translation>
    </message>
    <message>
        <source>Book %1 is imported without its cover: %2</source>
        <translation>第 %1 本書匯入時沒有封面：%2</translation>
    </message>
    <message>
        <source>Book %1 is imported without its cover: %2 holds no picture %3.</source>
        <translation>第 %1 本書匯入時沒有封面：%2 中沒有圖片 %3。</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>line %1: one record takes more than %2 MiB of the file</source>
        <translation>第 %1 行：一筆記錄佔用了檔案中超過 %2 MiB 的內容</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MiB</source>
        <translation>解壓縮後超過 %1 MiB</translation>
    </message>
    <message>
        <source>line %1: the file is not well-formed</source>
        <translation>第 %1 行：檔案格式不正確</translation>
    </message>
    <message>
        <source>No column &quot;%1&quot; to map; the columns are: %2.</source>
        <translation>沒有要對應的欄「%1」；現有的欄為：%2。</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing of it was kept.</source>
        <translation>匯入已取消；未保留任何內容。</translation>
    </message>
</context>
<context>
    <name>LibraryUndo</name>
    <message numerus="yes">
        <source>Add %n Book(s)</source>
        <translation>
            <numerusform>新增 %n 本書</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Book &quot;%1&quot;</source>
        <translation>新增書籍「%1」</translation>
    </message>
    <message>
        <source>Edit Book &quot;%1&quot;</source>
        <translation>編輯書籍「%1」</translation>
    </message>
    <message>
        <source>Search for &quot;%1&quot;</source>
        <translation>搜尋「%1」</translation>
    </message>
    <message numerus="yes">
        <source>Import %n Book(s)</source>
        <translation>
            <numerusform>匯入 %n 本書</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Category &quot;%1&quot;</source>
        <translation>新增類別「%1」</translation>
    </message>
    <message>
        <source>Edit Category &quot;%1&quot;</source>
        <translation>編輯類別「%1」</translation>
    </message>
    <message>
        <source>Rename Category &quot;%1&quot; to &quot;%2&quot;</source>
        <translation>將類別「%1」重新命名為「%2」</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n Book(s) into %1</source>
        <translation>
            <numerusform>將 %n 本書貼上到 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Book(s) to %1</source>
        <translation>
            <numerusform>將 %n 本書複製到 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Book(s) to %1</source>
        <translation>
            <numerusform>將 %n 本書移到 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Send %n Book(s) to %1</source>
        <translation>
            <numerusform>將 %n 本書傳送到 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Move Category &quot;%1&quot; to &quot;%2&quot;</source>
        <translation>將類別「%1」移到「%2」</translation>
    </message>
    <message numerus="yes">
        <source>Move %n Book(s) to the Recycle Bin</source>
        <translation>
            <numerusform>將 %n 本書移到資源回收筒</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Book(s) for Good</source>
        <translation>
            <numerusform>永久刪除 %n 本書</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n Book(s) from %1</source>
        <translation>
            <numerusform>從 %1 中移除 %n 本書</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove Category &quot;%1&quot;</source>
        <translation>移除類別「%1」</translation>
    </message>
    <message>
        <source>Since &quot;%1&quot;, the books or categories it changed were changed again by another program.

Undoing it now also takes back what that program changed in them.</source>
        <translation>自「%1」以來，它所變更的書籍或類別又被另一個程式變更過。

現在復原它，也會撤回那個程式對它們所做的變更。</translation>
    </message>
    <message>
        <source>Since &quot;%1&quot; was undone, the books or categories it changes were changed by another program.

Redoing it now overwrites what that program changed in them.</source>
        <translation>復原「%1」之後，它所變更的書籍或類別被另一個程式變更過。

現在重做它，會覆寫那個程式對它們所做的變更。</translation>
    </message>
    <message>
        <source>Undo Anyway</source>
        <translation>仍然復原</translation>
    </message>
    <message>
        <source>Redo Anyway</source>
        <translation>仍然重做</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n Book(s)</source>
        <translation>
            <numerusform>編輯 %n 本書</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Name(s)</source>
        <translation>
            <numerusform>刪除 %n 個名稱</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Merge %n Names into &quot;%1&quot;</source>
        <translation>
            <numerusform>將 %n 個名稱合併為「%1」</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename &quot;%1&quot; to &quot;%2&quot;</source>
        <translation>將「%1」重新命名為「%2」</translation>
    </message>
    <message numerus="yes">
        <source>Lend %n Book(s)</source>
        <translation>
            <numerusform>借出 %n 本書</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Borrow %n Book(s)</source>
        <translation>
            <numerusform>借入 %n 本書</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return %n Book(s)</source>
        <translation>
            <numerusform>歸還 %n 本書</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put %n Book(s) into Series %1</source>
        <translation>
            <numerusform>將 %n 本書放入系列 %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Loans</name>
    <message>
        <source>&quot;%1&quot; is not a direction of a loan: lent or borrowed.</source>
        <translation>「%1」不是借閱方向：應為 lent 或 borrowed。</translation>
    </message>
    <message>
        <source>A loan of %1 has no valid date.</source>
        <translation>%1 的一筆借閱沒有有效日期。</translation>
    </message>
    <message>
        <source>A book can be out on only one loan at a time.</source>
        <translation>一本書同一時間只能有一筆未歸還的借閱。</translation>
    </message>
    <message>
        <source>A reading has a date that is no date.</source>
        <translation>某次閱讀的日期無效。</translation>
    </message>
    <message>
        <source>Please enter the name of the borrower.</source>
        <translation>請輸入借閱人的姓名。</translation>
    </message>
    <message>
        <source>There is already a borrower named %1.</source>
        <translation>已有名為 %1 的借閱人。</translation>
    </message>
    <message>
        <source>The borrower cannot be deleted while loans of theirs are recorded.</source>
        <translation>借閱人仍有借閱紀錄時不能刪除。</translation>
    </message>
    <message>
        <source>The library has no book %1.</source>
        <translation>書庫中沒有書籍 %1。</translation>
    </message>
    <message>
        <source>The due date is before the date of the loan.</source>
        <translation>應還日期早於借出日期。</translation>
    </message>
    <message>
        <source>The book cannot be returned before it was lent or borrowed (%1).</source>
        <translation>書籍不能在借出或借入（%1）之前歸還。</translation>
    </message>
    <message>
        <source>%1 is already lent to %2 since %3.</source>
        <translation>《%1》自 %3 起已借給 %2。</translation>
    </message>
    <message>
        <source>%1 is borrowed from %2 since %3 and not returned yet.</source>
        <translation>《%1》自 %3 起向 %2 借入，尚未歸還。</translation>
    </message>
    <message>
        <source>Book %1 is not out on a loan.</source>
        <translation>書籍 %1 沒有未歸還的借閱。</translation>
    </message>
    <message>
        <source>The loan is no longer in the library.</source>
        <translation>該借閱已不在書庫中。</translation>
    </message>
    <message>
        <source>The reading cannot be finished before it started.</source>
        <translation>閱讀的結束日期不能早於開始日期。</translation>
    </message>
    <message>
        <source>The reading is no longer in the library.</source>
        <translation>該閱讀紀錄已不在書庫中。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number in a series. Please enter a number such as 3 or 2.5.</source>
        <translation>「%1」不是系列中的編號。請輸入數字，例如 3 或 2.5。</translation>
    </message>
    <message>
        <source>Please enter the name of the series.</source>
        <translation>請輸入系列名稱。</translation>
    </message>
    <message>
        <source>There is already a series named %1.</source>
        <translation>已有名為 %1 的系列。</translation>
    </message>
    <message>
        <source>The book is out on a loan: return it first.</source>
        <translation>這本書正在借出或借入中：請先歸還。</translation>
    </message>
    <message>
        <source>The book is not out on a loan.</source>
        <translation>這本書沒有處於借出或借入狀態。</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Characters found after the end of the SQL statement.</source>
        <translation>SQL 陳述式結束後還有字元。</translation>
    </message>
    <message>
        <source>%1: the library cannot be written, so it was not compacted.</source>
        <translation>%1：書庫無法寫入，因此未壓縮。</translation>
    </message>
    <message>
        <source>Fatal error occurred. Job will be cancelled.</source>
        <translation>發生嚴重錯誤。工作將被取消。</translation>
    </message>
    <message>
        <source>The HTTP library could not be initialised.</source>
        <translation>無法初始化 HTTP 程式庫。</translation>
    </message>
    <message>
        <source>No HTTP session could be created.</source>
        <translation>無法建立 HTTP 工作階段。</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>回應大於 %1 位元組。</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>伺服器傳回了 HTTP 狀態 %1。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>無法寫入 %1：%2</translation>
    </message>
    <message>
        <source>Open Library is too busy to answer now (HTTP status %1); please try again later.</source>
        <translation>Open Library 目前太忙，無法回應（HTTP 狀態 %1）；請稍後再試。</translation>
    </message>
    <message>
        <source>The answer is not the JSON Open Library sends (%1).</source>
        <translation>回應不是 Open Library 傳送的 JSON（%1）。</translation>
    </message>
    <message>
        <source>its entities expand to more than %1 MiB of text</source>
        <translation>其實體展開後超過 %1 MiB 文字</translation>
    </message>
    <message>
        <source>it refers to the external entity %1, which is never loaded</source>
        <translation>它參照了外部實體 %1，該實體永遠不會被載入</translation>
    </message>
    <message>
        <source>its entities are nested deeper than %1 levels</source>
        <translation>其實體巢狀超過 %1 層</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>無法讀取 %1。</translation>
    </message>
    <message>
        <source>line %1: the file is not well-formed</source>
        <translation>第 %1 行：檔案格式不正確</translation>
    </message>
    <message>
        <source>After book %1, %2</source>
        <translation>在第 %1 本書之後，%2</translation>
    </message>
    <message>
        <source>The file refers to the external resource %1, which is never loaded.</source>
        <translation>檔案參照了外部資源 %1，該資源永遠不會被載入。</translation>
    </message>
    <message>
        <source>The document is larger than %1 MiB.</source>
        <translation>文件大於 %1 MiB。</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>記憶體不足。</translation>
    </message>
    <message>
        <source>Entity references expand to more than %1 MiB of text.</source>
        <translation>實體參照展開後超過 %1 MiB 文字。</translation>
    </message>
    <message>
        <source>The document refers to %1, which is not loaded.</source>
        <translation>文件參照了 %1，但它不會被載入。</translation>
    </message>
    <message>
        <source>The document is not well-formed.</source>
        <translation>文件格式不正確。</translation>
    </message>
    <message>
        <source>The document&apos;s DTD refers to %1, which is not loaded.</source>
        <translation>文件的 DTD 參照了 %1，但它不會被載入。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是檔案。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>無法讀取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not read: style sheets include only files beside them.</source>
        <translation>未讀取 %1：樣式表只包含其旁邊的檔案。</translation>
    </message>
    <message>
        <source>%1 is not a local file; web addresses are fetched by the HTTP client.</source>
        <translation>%1 不是本機檔案；網址由 HTTP 用戶端擷取。</translation>
    </message>
    <message>
        <source>%1 is not a local file.</source>
        <translation>%1 不是本機檔案。</translation>
    </message>
    <message>
        <source>No file was named.</source>
        <translation>未指定檔案。</translation>
    </message>
    <message>
        <source>No document is loaded.</source>
        <translation>未載入文件。</translation>
    </message>
    <message>
        <source>No style sheet is loaded.</source>
        <translation>未載入樣式表。</translation>
    </message>
    <message>
        <source>The style sheet is not a valid XSLT style sheet.</source>
        <translation>該樣式表不是有效的 XSLT 樣式表。</translation>
    </message>
    <message>
        <source>The transformation failed.</source>
        <translation>轉換失敗。</translation>
    </message>
    <message>
        <source>The transformation result cannot be written.</source>
        <translation>無法寫入轉換結果。</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>傳輸已取消。</translation>
    </message>
    <message>
        <source>Loading XML from %s...</source>
        <translation>正在從 %s 載入 XML...</translation>
    </message>
    <message>
        <source>Downloading cover...</source>
        <translation>正在下載封面...</translation>
    </message>
    <message>
        <source>Parsing html...</source>
        <translation>正在剖析 HTML...</translation>
    </message>
    <message>
        <source>Error message returned from Amazon:
%s</source>
        <translation>Amazon 傳回的錯誤訊息：
%s</translation>
    </message>
    <message>
        <source>Unable to download the cover picture.</source>
        <translation>無法下載封面圖片。</translation>
    </message>
    <message>
        <source>Unable to download the html page.</source>
        <translation>無法下載 HTML 頁面。</translation>
    </message>
    <message>
        <source>Failed to load book info from Open Library:
%1</source>
        <translation>無法從 Open Library 載入書籍資訊：
%1</translation>
    </message>
    <message>
        <source>Open Library asks to wait: trying again in %1 s...</source>
        <translation>Open Library 要求等待：%1 秒後重試...</translation>
    </message>
    <message>
        <source>Keeping to Open Library&apos;s request limit: waiting %1 s...</source>
        <translation>遵守 Open Library 的要求限制：等待 %1 秒...</translation>
    </message>
    <message>
        <source>Loading book info from Open Library...</source>
        <translation>正在從 Open Library 載入書籍資訊...</translation>
    </message>
    <message>
        <source>Error message returned from Open Library:
%1 is not a book Open Library knows.</source>
        <translation>Open Library 傳回的錯誤訊息：
Open Library 不認得 %1 這本書。</translation>
    </message>
    <message>
        <source>No valid results found.
Note: e-books are ignored.</source>
        <translation>找不到有效的結果。
注意：電子書會被略過。</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>錯誤：</translation>
    </message>
    <message>
        <source>The answer for %1 has no title, so it is not taken as a book.</source>
        <translation>%1 的回答沒有書名，因此不作為圖書採用。</translation>
    </message>
    <message>
        <source>its elements are nested deeper than %1 levels</source>
        <translation>其元素巢狀超過 %1 層</translation>
    </message>
    <message>
        <source>line %1: one element takes more than %2 MiB of the file, more than any book a library holds</source>
        <translation>第 %1 行：一個元素佔用檔案超過 %2 MiB，超過書庫能保存的任何圖書</translation>
    </message>
    <message>
        <source>Elements are nested beyond a depth of %1.</source>
        <translation>元素巢狀深度超過 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the library lacks %2, which this program needs.</source>
        <translation>無法開啟 %1：該書庫缺少本程式所需的%2。</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tomelodex (library version %2; this version knows library versions up to %3). It is open read-only: its books can be listed, viewed and exported, but not changed.</source>
        <translation>%1 由較新版本的 Tomelodex 寫入（書庫版本 %2；本版本只認得到版本 %3 為止的書庫）。它以唯讀方式開啟：其中的書籍可以列出、檢視和匯出，但不能修改。</translation>
    </message>
    <message>
        <source>%1 was not upgraded to library version %2, because no copy of it could be kept as %3: %4</source>
        <translation>%1 未升級到書庫版本 %2，因為無法將其副本保存為 %3：%4</translation>
    </message>
    <message>
        <source>%1 could not be upgraded to library version %2: %3</source>
        <translation>無法將 %1 升級到書庫版本 %2：%3</translation>
    </message>
    <message>
        <source>the table %1</source>
        <translation>資料表 %1</translation>
    </message>
    <message>
        <source>the column %1.%2</source>
        <translation>欄位 %1.%2</translation>
    </message>
    <message>
        <source>%1 (discontinued service)</source>
        <translation>%1（已停止的服務）</translation>
    </message>
    <message>
        <source>%1 has %2 characters, but the library keeps at most %3 for it. Please shorten it.</source>
        <translation>「%1」有 %2 個字元，但書庫最多只能儲存 %3 個。請縮短。</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) found, %1. Current page: %2  (Note: Some e-books might have been filtered.)</source>
        <translation>
            <numerusform>找到 %n 個結果，%1。目前頁面：%2（注意：部分電子書可能已被篩選掉。）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>共 %n 頁</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the table&apos;s columns changed.</source>
        <translation>%1：該表的欄已變更。</translation>
    </message>
    <message>
        <source>The library&apos;s triggers keep changing the rows written back.</source>
        <translation>書庫的觸發程序不斷變更寫回的列。</translation>
    </message>
    <message>
        <source>The replacement makes %1 of &quot;%2&quot; %3 characters long, but the library keeps at most %4 for it.</source>
        <translation>取代後「%2」的 %1 將有 %3 個字元，但書庫最多只能保存 %4 個。</translation>
    </message>
    <message>
        <source>Type the text to find.</source>
        <translation>請輸入要尋找的文字。</translation>
    </message>
    <message>
        <source>The regular expression is not valid: %1.</source>
        <translation>規則運算式無效：%1。</translation>
    </message>
    <message>
        <source>A category cannot be both joined and left.</source>
        <translation>不能同時將書加入並移出同一個類別。</translation>
    </message>
    <message>
        <source>A chosen category is no longer in the library.</source>
        <translation>所選的某個類別已不在書庫中。</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) found; %1 imported into the categories the file names.</source>
        <translation>
            <numerusform>找到 %n 本書；已將 %1 本匯入檔案指定的類別。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n [category was|categories were] created.</source>
        <translation>
            <numerusform>已建立 %n 個類別。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (computed by calibre)</source>
        <translation>%1（由 calibre 計算）</translation>
    </message>
    <message>
        <source>%1 (its table cannot be read)</source>
        <translation>%1（無法讀取其表格）</translation>
    </message>
    <message>
        <source>%1 is not a calibre library: it holds no %2.</source>
        <translation>%1 不是 calibre 書庫：其中沒有 %2。</translation>
    </message>
    <message>
        <source>%1 cannot be read: there is no such file.</source>
        <translation>無法讀取 %1：沒有這個檔案。</translation>
    </message>
    <message>
        <source>%1 cannot be read as a calibre library: %2.</source>
        <translation>無法將 %1 作為 calibre 書庫讀取：%2。</translation>
    </message>
    <message>
        <source>%1 has no tables %2; what calibre keeps in them was not read.</source>
        <translation>%1 沒有表格 %2；calibre 保存在其中的內容未被讀取。</translation>
    </message>
    <message>
        <source>Columns of %1 not imported: %2.</source>
        <translation>%1 中未匯入的欄位：%2。</translation>
    </message>
    <message>
        <source>%1 is being changed by another program, or a change to it was broken off (%2 lies beside it). Close calibre, or open and close the library in it, and try again.</source>
        <translation>%1 正在被另一個程式修改，或對它的修改被中斷（旁邊有 %2）。請關閉 calibre，或在 calibre 中開啟再關閉該書庫，然後重試。</translation>
    </message>
    <message>
        <source>%1 is not a calibre library this program can read: it has no table %2.</source>
        <translation>%1 不是本程式能讀取的 calibre 書庫：它沒有表格 %2。</translation>
    </message>
    <message>
        <source>%1 is not a calibre library this program can read: its table %2 has no column %3.</source>
        <translation>%1 不是本程式能讀取的 calibre 書庫：其表格 %2 沒有欄位 %3。</translation>
    </message>
    <message>
        <source>%1 cannot be read on after book %2: %3.</source>
        <translation>在第 %2 本書之後無法繼續讀取 %1：%3。</translation>
    </message>
    <message>
        <source>Date added to calibre</source>
        <translation>加入 calibre 的日期</translation>
    </message>
    <message>
        <source>Identifier %1</source>
        <translation>識別碼 %1</translation>
    </message>
    <message>
        <source>Missing eBook file</source>
        <translation>遺失的電子書檔案</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>Cannot write %1:
%2</source>
        <translation>無法寫入 %1：
%2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>標準輸出</translation>
    </message>
    <message>
        <source>it is no longer a regular file, so it was left as it is</source>
        <translation>它已不再是一般檔案，因此保持原樣</translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation>沒有程式在讀取它</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Tomelodex: %1 is not a settings file (a regular file of at most 1 MB); it is left alone, the settings start from their defaults and changes to them are not kept.</source>
        <translation>Tomelodex: %1 不是設定檔（最大 1 MB 的一般檔案）；程式不會變動它，設定從預設值開始，對設定的變更不會保存。</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Simplified Chinese</source>
        <comment>129</comment>
        <translation>簡體中文</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <comment>130</comment>
        <translation>繁體中文</translation>
    </message>
    <message>
        <source>English</source>
        <comment>131</comment>
        <translation>英文</translation>
    </message>
    <message>
        <source>Unable to create directory:
%s</source>
        <comment>140</comment>
        <translation>無法建立目錄：
%s</translation>
    </message>
    <message>
        <source>SQL statement cannot be empty.</source>
        <comment>157</comment>
        <translation>SQL 陳述式不可空白。</translation>
    </message>
    <message>
        <source>Records affected: %1
Number of records in the returned recordset: %2</source>
        <comment>163</comment>
        <translation>受影響的記錄數：%1
傳回的資料錄集中的記錄數：%2</translation>
    </message>
    <message>
        <source>Cannot create file:
%s</source>
        <comment>166</comment>
        <translation>無法建立檔案：
%s</translation>
    </message>
    <message>
        <source>Hardcover</source>
        <comment>211</comment>
        <translation>精裝</translation>
    </message>
    <message>
        <source>Paperback</source>
        <comment>212</comment>
        <translation>平裝</translation>
    </message>
    <message>
        <source>Unknown Binding</source>
        <comment>213</comment>
        <translation>未知裝訂</translation>
    </message>
    <message>
        <source>Floppy Disk</source>
        <comment>214</comment>
        <translation>磁碟片</translation>
    </message>
    <message>
        <source>English</source>
        <comment>215</comment>
        <translation>英文</translation>
    </message>
    <message>
        <source>Book Collection</source>
        <comment>218</comment>
        <translation>圖書收藏</translation>
    </message>
    <message>
        <source>In Collection</source>
        <comment>219</comment>
        <translation>已收藏</translation>
    </message>
    <message>
        <source>Wish List</source>
        <comment>220</comment>
        <translation>願望清單</translation>
    </message>
    <message>
        <source>Reference Only</source>
        <comment>221</comment>
        <translation>僅供參考</translation>
    </message>
    <message>
        <source>For Sale</source>
        <comment>222</comment>
        <translation>出售</translation>
    </message>
    <message>
        <source>Chinese</source>
        <comment>223</comment>
        <translation>中文</translation>
    </message>
    <message>
        <source>Favorites</source>
        <comment>224</comment>
        <translation>我的最愛</translation>
    </message>
    <message>
        <source>Search Results</source>
        <comment>225</comment>
        <translation>搜尋結果</translation>
    </message>
    <message>
        <source>Reading List</source>
        <comment>226</comment>
        <translation>閱讀清單</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>186</comment>
        <translation>書名</translation>
    </message>
    <message>
        <source>Author</source>
        <comment>187</comment>
        <translation>作者</translation>
    </message>
    <message>
        <source>Publisher</source>
        <comment>188</comment>
        <translation>出版社</translation>
    </message>
    <message>
        <source>ISBN</source>
        <comment>189</comment>
        <translation>ISBN</translation>
    </message>
    <message>
        <source>Edition</source>
        <comment>190</comment>
        <translation>版本</translation>
    </message>
    <message>
        <source>All Books</source>
        <comment>227</comment>
        <translation>全部書籍</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <comment>228</comment>
        <translation>資源回收筒</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <comment>234</comment>
        <translation>操作失敗。</translation>
    </message>
    <message>
        <source>Database has been compacted successfully (from %1 to %2).</source>
        <comment>235</comment>
        <translation>資料庫已成功壓縮（從 %1 到 %2）。</translation>
    </message>
    <message>
        <source>Tomelodex</source>
        <comment>57344</comment>
        <translation>Tomelodex</translation>
    </message>
    <message>
        <source>The program could not be initialised.</source>
        <comment>100</comment>
        <translation>無法初始化程式。</translation>
    </message>
    <message>
        <source>Cannot paste: source category does not exist.</source>
        <comment>132</comment>
        <translation>無法貼上：來源類別不存在。</translation>
    </message>
    <message>
        <source>Cannot paste: destination cannot be the source category itself, its parent category, or its sub categories.</source>
        <comment>133</comment>
        <translation>無法貼上：目的地不能是來源類別本身、其上層類別或其子類別。</translation>
    </message>
    <message>
        <source>Cannot open file for writing.</source>
        <comment>135</comment>
        <translation>無法開啟檔案進行寫入。</translation>
    </message>
    <message>
        <source>Failed to instantiate an XML/XSL DOM.</source>
        <comment>136</comment>
        <translation>無法建立 XML/XSL DOM 執行個體。</translation>
    </message>
    <message>
        <source>Failed to load XML.</source>
        <comment>137</comment>
        <translation>無法載入 XML。</translation>
    </message>
    <message>
        <source>Failed to load XSL.</source>
        <comment>138</comment>
        <translation>無法載入 XSL。</translation>
    </message>
    <message>
        <source>Operation failed. Please make sure the following is a valid path:
%s</source>
        <comment>139</comment>
        <translation>操作失敗。請確認下列路徑有效：
%s</translation>
    </message>
    <message>
        <source>Failed to load book info from XML source.</source>
        <comment>143</comment>
        <translation>無法從 XML 來源載入書籍資訊。</translation>
    </message>
    <message>
        <source>No valid ISBN was found.</source>
        <comment>147</comment>
        <translation>找不到有效的 ISBN。</translation>
    </message>
    <message>
        <source>Book title cannot be empty.</source>
        <comment>155</comment>
        <translation>書名不可空白。</translation>
    </message>
    <message>
        <source>Please select one item from the list.</source>
        <comment>156</comment>
        <translation>請從清單中選取一個項目。</translation>
    </message>
    <message>
        <source>URL is not valid.</source>
        <comment>158</comment>
        <translation>網址無效。</translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <comment>159</comment>
        <translation>檔案不存在。</translation>
    </message>
    <message>
        <source>Folder does not exist.</source>
        <comment>160</comment>
        <translation>資料夾不存在。</translation>
    </message>
    <message>
        <source>No CSS files found.</source>
        <comment>164</comment>
        <translation>找不到 CSS 檔案。</translation>
    </message>
    <message>
        <source>Category name cannot be empty.</source>
        <comment>165</comment>
        <translation>類別名稱不可空白。</translation>
    </message>
    <message>
        <source>Link title and path cannot be empty.</source>
        <comment>167</comment>
        <translation>連結標題和路徑不可空白。</translation>
    </message>
    <message>
        <source>Add New Category</source>
        <comment>174</comment>
        <translation>新增類別</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <comment>175</comment>
        <translation>編輯類別</translation>
    </message>
    <message>
        <source>Add Book</source>
        <comment>176</comment>
        <translation>新增書籍</translation>
    </message>
    <message>
        <source>Edit Book</source>
        <comment>177</comment>
        <translation>編輯書籍</translation>
    </message>
    <message>
        <source>Add Link</source>
        <comment>178</comment>
        <translation>新增連結</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <comment>179</comment>
        <translation>編輯連結</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>180</comment>
        <translation>選項</translation>
    </message>
    <message>
        <source>Display &amp;Style</source>
        <comment>181</comment>
        <translation>顯示樣式(&amp;S)</translation>
    </message>
    <message>
        <source>Please select a folder from the list:</source>
        <comment>191</comment>
        <translation>請從清單中選取一個資料夾：</translation>
    </message>
    <message>
        <source>eBook folder</source>
        <comment>192</comment>
        <translation>電子書資料夾</translation>
    </message>
    <message>
        <source>Source code folder</source>
        <comment>193</comment>
        <translation>原始碼資料夾</translation>
    </message>
    <message>
        <source>eBook file</source>
        <comment>194</comment>
        <translation>電子書檔案</translation>
    </message>
    <message>
        <source>Other info</source>
        <comment>195</comment>
        <translation>其他資訊</translation>
    </message>
    <message>
        <source>Author&apos;s website</source>
        <comment>196</comment>
        <translation>作者網站</translation>
    </message>
    <message>
        <source>This book on publisher&apos;s website</source>
        <comment>197</comment>
        <translation>出版社網站上的本書</translation>
    </message>
    <message>
        <source>&lt;body style=&quot;font-family: Georgia, &apos;Times New Roman&apos;, Times, serif&quot;&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;font color=&quot;#cc6633&quot; size=&quot;7&quot;&gt;Welcome to Tomelodex&lt;/font&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Brindlewood Software&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://www.brindlewood.example/&quot;&gt;www.brindlewood.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;</source>
        <comment>198</comment>
        <translation>&lt;body style=&quot;font-family: Georgia, &apos;Times New Roman&apos;, Times, &apos;Noto Serif CJK TC&apos;, serif&quot;&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;font color=&quot;#cc6633&quot; size=&quot;7&quot;&gt;歡迎使用 Tomelodex&lt;/font&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Brindlewood Software&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://www.brindlewood.example/&quot;&gt;www.brindlewood.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;</translation>
    </message>
    <message>
        <source>Yes</source>
        <comment>199</comment>
        <translation>是</translation>
    </message>
    <message>
        <source>No</source>
        <comment>200</comment>
        <translation>否</translation>
    </message>
    <message>
        <source>Tomelodex Book Information</source>
        <comment>201</comment>
        <translation>Tomelodex 書籍資訊</translation>
    </message>
    <message>
        <source>No XSL files found.</source>
        <comment>202</comment>
        <translation>找不到 XSL 檔案。</translation>
    </message>
    <message>
        <source>Content &amp;Template</source>
        <comment>203</comment>
        <translation>內容範本(&amp;T)</translation>
    </message>
    <message>
        <source>Unable to copy the cover picture to the following location:
%s</source>
        <comment>204</comment>
        <translation>無法將封面圖片複製到下列位置：
%s</translation>
    </message>
    <message>
        <source>All Pictures (*.jpg; *.jpeg; *.gif; *.bmp)|*.jpg;*.jpeg;*.gif;*.bmp|JPEG Files (*.jpg; *.jpeg)|*.jpg;*.jpeg|GIF Files (*.gif)|*.gif|Windows Bitmap (*.bmp)|*.bmp||</source>
        <comment>206</comment>
        <translation>所有圖片 (*.jpg; *.jpeg; *.gif; *.bmp)|*.jpg;*.jpeg;*.gif;*.bmp|JPEG 檔案 (*.jpg; *.jpeg)|*.jpg;*.jpeg|GIF 檔案 (*.gif)|*.gif|Windows 點陣圖 (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>Tomelodex Databases (*.mdb)|*.mdb||</source>
        <comment>207</comment>
        <translation>Tomelodex 資料庫 (*.mdb)|*.mdb||</translation>
    </message>
    <message>
        <source>HTML Files (*.htm, *.html)|*.htm;*.html||</source>
        <comment>208</comment>
        <translation>HTML 檔案 (*.htm, *.html)|*.htm;*.html||</translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml||</source>
        <comment>209</comment>
        <translation>XML 檔案 (*.xml)|*.xml||</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Compiled HTML Help Files (*.chm)|*.chm|Acrobat PDF Files (*.pdf)|*.pdf|Compressed Files (*.zip; *.rar)|*.zip;*.rar||</source>
        <comment>210</comment>
        <translation>所有檔案 (*.*)|*.*|已編譯的 HTML 說明檔 (*.chm)|*.chm|Acrobat PDF 檔案 (*.pdf)|*.pdf|壓縮檔 (*.zip; *.rar)|*.zip;*.rar||</translation>
    </message>
    <message>
        <source>Please enter a search keyword.</source>
        <comment>229</comment>
        <translation>請輸入搜尋關鍵字。</translation>
    </message>
    <message>
        <source>No search results found.</source>
        <comment>230</comment>
        <translation>找不到搜尋結果。</translation>
    </message>
    <message>
        <source>This book already exists in the database:
%s
Would you like to skip this one?
Click &quot;No&quot; to add this book anyway.</source>
        <comment>238</comment>
        <translation>資料庫中已有此書：
%s
是否略過此書？
按一下「否」仍要新增此書。</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment>240</comment>
        <translation>進度</translation>
    </message>
    <message>
        <source>Searching ISBN...</source>
        <comment>241</comment>
        <translation>正在搜尋 ISBN...</translation>
    </message>
    <message>
        <source>Data validation failed. Is any field too long?</source>
        <comment>242</comment>
        <translation>資料驗證失敗。是否有欄位過長？</translation>
    </message>
    <message>
        <source>%1 imported, %2 skipped, %3 failed.</source>
        <comment>243</comment>
        <translation>已匯入 %1 本，略過 %2 本，失敗 %3 本。</translation>
    </message>
    <message>
        <source>The library is in use by another program; waiting until it is free...</source>
        <comment>244</comment>
        <translation>書庫正由其他程式使用中；正在等待其釋放...</translation>
    </message>
    <message>
        <source>The library is in use by another program. Nothing was imported.</source>
        <comment>245</comment>
        <translation>書庫正由其他程式使用中。未匯入任何內容。</translation>
    </message>
    <message>
        <source>The import was stopped and nothing of it was kept:
%1</source>
        <comment>246</comment>
        <translation>匯入已停止，未保留任何匯入內容：
%1</translation>
    </message>
    <message>
        <source>Book %1: the cover %2 was not copied: %3.</source>
        <comment>247</comment>
        <translation>書籍 %1：封面 %2 未複製：%3。</translation>
    </message>
    <message>
        <source>it does not exist or cannot be read</source>
        <comment>248</comment>
        <translation>檔案不存在或無法讀取</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <comment>249</comment>
        <translation>不是一般檔案</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <comment>250</comment>
        <translation>大於 %1 MB</translation>
    </message>
    <message>
        <source>it is not a JPEG, GIF, PNG or BMP picture</source>
        <comment>251</comment>
        <translation>不是 JPEG、GIF、PNG 或 BMP 圖片</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <comment>57345</comment>
        <translation>如需說明，請按 F1</translation>
    </message>
    <message numerus="yes">
        <source>%n [duplicate was|duplicates were] not saved.</source>
        <comment>162</comment>
        <translation>
            <numerusform>有 %n 個重複項目未儲存。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s); %1 selected</source>
        <comment>168</comment>
        <translation>
            <numerusform>%n 本書；已選取 %1 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s), %1</source>
        <comment>182</comment>
        <translation>
            <numerusform>%n 本書，%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) found; %1 imported to the current category.</source>
        <comment>233</comment>
        <translation>
            <numerusform>找到 %n 本書；已將 %1 本匯入目前類別。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n more [cover was|covers were] not copied.)</source>
        <comment>252</comment>
        <translation>
            <numerusform>（另有 %n 個封面未複製。）</numerusform>
        </translation>
    </message>
</context>
</TS>
