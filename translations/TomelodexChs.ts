<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>Backup</name>
    <message>
        <source>Cancelled.</source>
        <translation>已取消。</translation>
    </message>
    <message>
        <source>it holds more than it says</source>
        <translation>其内容多于其声明的大小</translation>
    </message>
    <message>
        <source>its list of contents is damaged</source>
        <translation>其内容清单已损坏</translation>
    </message>
    <message>
        <source>it is not a backup of a Tomelodex library</source>
        <translation>它不是 Tomelodex 书库的备份</translation>
    </message>
    <message>
        <source>it was made by a newer version of Tomelodex (backup format %1)</source>
        <translation>它由更新版本的 Tomelodex 创建（备份格式 %1）</translation>
    </message>
    <message>
        <source>it names a cover &quot;%1&quot; that would lie outside the images folder</source>
        <translation>它指定的封面“%1”会位于图片文件夹之外</translation>
    </message>
    <message>
        <source>the backup&apos;s name is not UTF-8 text</source>
        <translation>备份文件的名称不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <translation>它不是普通文件</translation>
    </message>
    <message>
        <source>it holds &quot;%1&quot;, which is no part of a library backup</source>
        <translation>它包含“%1”，这不属于书库备份</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it is not a plain file</source>
        <translation>其中的“%1”不是普通文件</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it is damaged or not as its list of contents says</source>
        <translation>其中的“%1”已损坏或与内容清单不符</translation>
    </message>
    <message>
        <source>it is incomplete or damaged</source>
        <translation>它不完整或已损坏</translation>
    </message>
    <message>
        <source>%1 exists already; a restore makes a new library and never replaces a file</source>
        <translation>%1 已存在；还原会创建一个新书库，从不替换已有的文件</translation>
    </message>
    <message>
        <source>there is not enough room on the disk: it needs %1, and %2 are free</source>
        <translation>磁盘空间不足：需要 %1，可用 %2</translation>
    </message>
    <message>
        <source>the library in it cannot be opened: %1</source>
        <translation>无法打开其中的书库：%1</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it cannot be read</source>
        <translation>无法读取其中的“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it is damaged: %2</source>
        <translation>其中的“%1”已损坏：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot; in it is damaged: its checksum does not match</source>
        <translation>其中的“%1”已损坏：校验和不符</translation>
    </message>
    <message>
        <source>%1 could not be restored as %2:
%3</source>
        <translation>无法将 %1 还原为 %2：
%3</translation>
    </message>
    <message>
        <source>%1 cannot be read as a backup:
%2</source>
        <translation>无法将 %1 作为备份读取：
%2</translation>
    </message>
    <message>
        <source>the picture %1 cannot be kept: its name is not UTF-8 text</source>
        <translation>无法保存图片 %1：其名称不是 UTF-8 文本</translation>
    </message>
    <message>
        <source>a backup cannot be written over the library itself</source>
        <translation>备份不能覆盖书库本身</translation>
    </message>
    <message>
        <source>%1 could not be backed up to %2:
%3</source>
        <translation>无法将 %1 备份到 %2：
%3</translation>
    </message>
</context>
<context>
    <name>CAboutDlg</name>
    <message>
        <source>About Tomelodex</source>
        <translation>关于 Tomelodex</translation>
    </message>
    <message>
        <source>Tomelodex Version %1</source>
        <translation>Tomelodex 版本 %1</translation>
    </message>
    <message>
        <source>Copyright © 2003–2005 Brindlewood Software</source>
        <translation>版权所有 © 2003–2005 Brindlewood Software</translation>
    </message>
</context>
<context>
    <name>CAddBookDlg</name>
    <message>
        <source>Query Online By &amp;ISBN(s)</source>
        <translation>按 ISBN 在线查询(&amp;I)</translation>
    </message>
    <message>
        <source>Query Online By &amp;Title, Author and Publisher</source>
        <translation>按书名、作者和出版社在线查询(&amp;T)</translation>
    </message>
    <message>
        <source>Add a Book &amp;Manually</source>
        <translation>手动添加图书(&amp;M)</translation>
    </message>
    <message>
        <source>&amp;Load...</source>
        <translation>载入(&amp;L)...</translation>
    </message>
    <message>
        <source>&amp;Save...</source>
        <translation>保存(&amp;S)...</translation>
    </message>
    <message>
        <source>Enter ISBNs below (one ISBN per line).</source>
        <translation>在下面输入 ISBN（每行一个）。</translation>
    </message>
    <message>
        <source>Title:</source>
        <translation>书名：</translation>
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
        <translation>载入 ISBN 列表</translation>
    </message>
    <message>
        <source>Cannot open file for reading.</source>
        <translation>无法打开文件进行读取。</translation>
    </message>
    <message>
        <source>Nothing to save.</source>
        <translation>没有可保存的内容。</translation>
    </message>
    <message>
        <source>Save ISBN List</source>
        <translation>保存 ISBN 列表</translation>
    </message>
    <message>
        <source>File has been saved.</source>
        <translation>文件已保存。</translation>
    </message>
    <message>
        <source>%1 is not a valid ISBN. Ignore this one?</source>
        <translation>%1 不是有效的 ISBN。是否忽略此项？</translation>
    </message>
    <message>
        <source>Please enter at least one of them: title, author and publisher.</source>
        <translation>请至少输入书名、作者和出版社中的一项。</translation>
    </message>
    <message>
        <source>Text Files (*.txt)|*.txt|All Files (*.*)|*.*||</source>
        <translation>文本文件 (*.txt)|*.txt|所有文件 (*.*)|*.*||</translation>
    </message>
    <message>
        <source>Tip: Any USB bar-code scanner works here: it types each ISBN like a keyboard. Click in the box and scan the books.</source>
        <translation>提示：任何 USB 条码扫描器都可以在此使用：它会像键盘一样输入每个 ISBN。在框中单击，然后扫描图书即可。</translation>
    </message>
</context>
<context>
    <name>CAddressHint</name>
    <message>
        <source>An address starts with http:// or https://, e.g. https://www.example.org</source>
        <translation>网址以 http:// 或 https:// 开头，例如 https://www.example.org</translation>
    </message>
    <message>
        <source>Taken as %1</source>
        <translation>将作为 %1 使用</translation>
    </message>
</context>
<context>
    <name>CBackupCommands</name>
    <message>
        <source>Library backups (*.zip)</source>
        <translation>书库备份 (*.zip)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Back Up Library</source>
        <translation>备份书库</translation>
    </message>
    <message>
        <source>Backing up %1 to %2...</source>
        <translation>正在将 %1 备份到 %2...</translation>
    </message>
    <message>
        <source>The library was backed up to %1.</source>
        <translation>书库已备份到 %1。</translation>
    </message>
    <message>
        <source>Restore from Backup</source>
        <translation>从备份还原</translation>
    </message>
    <message>
        <source>Restore Library As</source>
        <translation>将书库还原为</translation>
    </message>
    <message>
        <source>Restoring %1 as %2...</source>
        <translation>正在将 %1 还原为 %2...</translation>
    </message>
</context>
<context>
    <name>CBasicSearchDlg</name>
    <message>
        <source>Basic Search</source>
        <translation>基本搜索</translation>
    </message>
    <message>
        <source>&amp;Enter keyword:</source>
        <translation>输入关键字(&amp;E)：</translation>
    </message>
    <message>
        <source>&amp;Clear items in Search Results first</source>
        <translation>先清空搜索结果中的项目(&amp;C)</translation>
    </message>
    <message>
        <source>Basic Search is able to search the following 7 fields: Book Title, Author, ISBN, Description, Notes, User Text 1 and User Text 2.</source>
        <translation>基本搜索可以搜索以下 7 个字段：书名、作者、ISBN、简介、备注、用户文本 1 和用户文本 2。</translation>
    </message>
</context>
<context>
    <name>CBatchDlg</name>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Batch Mode</source>
        <translation>批量模式</translation>
    </message>
    <message>
        <source>&amp;Start</source>
        <translation>开始(&amp;S)</translation>
    </message>
    <message>
        <source>&amp;Cancel</source>
        <translation>取消(&amp;C)</translation>
    </message>
    <message>
        <source>Query queue is empty.</source>
        <translation>查询队列为空。</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
    <message>
        <source>Finishing off, please wait...</source>
        <translation>正在结束，请稍候...</translation>
    </message>
    <message>
        <source>Result</source>
        <translation>结果</translation>
    </message>
    <message>
        <source>Added</source>
        <translation>已添加</translation>
    </message>
    <message>
        <source>Already in the library: skipped</source>
        <translation>数据库中已有：已跳过</translation>
    </message>
    <message>
        <source>Not found at %1</source>
        <translation>在 %1 未找到</translation>
    </message>
    <message>
        <source>Not looked up: %1</source>
        <translation>未查询：%1</translation>
    </message>
    <message>
        <source>Not saved: %1</source>
        <translation>未保存：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n added</source>
        <comment>books</comment>
        <translation>
            <numerusform>已添加 %n 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n already in the library</source>
        <comment>books</comment>
        <translation>
            <numerusform>%n 本数据库中已有</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not found at %1</source>
        <comment>books</comment>
        <translation>
            <numerusform>%n 本在 %1 未找到</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not looked up</source>
        <comment>books</comment>
        <translation>
            <numerusform>%n 本未查询</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n not saved</source>
        <comment>books</comment>
        <translation>
            <numerusform>%n 本未保存</numerusform>
        </translation>
    </message>
    <message>
        <source>Job finished: %1.</source>
        <translation>任务完成：%1。</translation>
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
        <translation>书名(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Subtitle:</source>
        <translation>副书名(&amp;S)：</translation>
    </message>
    <message>
        <source>Auth&amp;or:</source>
        <translation>作者(&amp;O)：</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>网址(&amp;U)：</translation>
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
        <translation>页数(&amp;A)：</translation>
    </message>
    <message>
        <source>La&amp;nguage:</source>
        <translation>语言(&amp;N)：</translation>
    </message>
    <message>
        <source>&amp;Release Date:</source>
        <translation>出版日期(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Binding:</source>
        <translation>装帧(&amp;B)：</translation>
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
        <translation>常规(&amp;G)</translation>
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
        <translation>浏览(&amp;B)...</translation>
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
        <translation>浏览(&amp;O)...</translation>
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
        <translation>简介(&amp;D)</translation>
    </message>
</context>
<context>
    <name>CBookLinksPage</name>
    <message>
        <source>Add URLs, local files or folders which are related to this book.</source>
        <translation>添加与本书相关的网址、本地文件或文件夹。</translation>
    </message>
    <message>
        <source>e.g. author&apos;s website, ebook files.</source>
        <translation>例如作者的网站、电子书文件。</translation>
    </message>
    <message>
        <source>ID</source>
        <translation>ID</translation>
    </message>
    <message>
        <source>Title</source>
        <translation>标题</translation>
    </message>
    <message>
        <source>Path</source>
        <translation>路径</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>添加(&amp;A)...</translation>
    </message>
    <message>
        <source>&amp;Edit...</source>
        <translation>编辑(&amp;E)...</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>删除(&amp;T)</translation>
    </message>
    <message>
        <source>Related &amp;Links</source>
        <translation>相关链接(&amp;L)</translation>
    </message>
</context>
<context>
    <name>CBookListModel</name>
    <message>
        <source>No cover</source>
        <translation>无封面</translation>
    </message>
    <message>
        <source>Year</source>
        <translation>年份</translation>
    </message>
    <message>
        <source>Pages</source>
        <translation>页数</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>评分</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>位置</translation>
    </message>
    <message>
        <source>Date Added</source>
        <translation>添加日期</translation>
    </message>
    <message>
        <source>Lent to %1</source>
        <translation>借给 %1</translation>
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
        <translation>本书在系列中的位置：如 3 或 2.5 这样的数字</translation>
    </message>
    <message>
        <source>Num&amp;ber:</source>
        <translation>序号(&amp;B)：</translation>
    </message>
    <message>
        <source>Loans</source>
        <translation>借阅记录</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>Borrower</source>
        <translation>借阅人</translation>
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
        <translation>归还日期</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
    <message>
        <source>L&amp;end...</source>
        <translation>借出(&amp;E)...</translation>
    </message>
    <message>
        <source>Ret&amp;urn</source>
        <translation>归还(&amp;U)</translation>
    </message>
    <message>
        <source>Readings</source>
        <translation>阅读记录</translation>
    </message>
    <message>
        <source>Started</source>
        <translation>开始</translation>
    </message>
    <message>
        <source>Finished</source>
        <translation>读完</translation>
    </message>
    <message>
        <source>&amp;Add...</source>
        <translation>添加(&amp;A)...</translation>
    </message>
    <message>
        <source>Ed&amp;it...</source>
        <translation>编辑(&amp;I)...</translation>
    </message>
    <message>
        <source>Dele&amp;te</source>
        <translation>删除(&amp;T)</translation>
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
        <translation>未归还</translation>
    </message>
    <message>
        <source>Reading now</source>
        <translation>正在阅读</translation>
    </message>
    <message>
        <source>Loans &amp;&amp; &amp;Reading</source>
        <translation>借出与阅读(&amp;R)</translation>
    </message>
</context>
<context>
    <name>CBookNotesPage</name>
    <message>
        <source>&amp;Notes</source>
        <translation>笔记(&amp;N)</translation>
    </message>
</context>
<context>
    <name>CBookPersonalPage</name>
    <message>
        <source>Purchase Info</source>
        <translation>购买信息</translation>
    </message>
    <message>
        <source>Pu&amp;rchase Date:</source>
        <translation>购买日期(&amp;R)：</translation>
    </message>
    <message>
        <source>&amp;Store:</source>
        <translation>商店(&amp;S)：</translation>
    </message>
    <message>
        <source>Purc&amp;hase Price:</source>
        <translation>购买价格(&amp;H)：</translation>
    </message>
    <message>
        <source>L&amp;ist Price:</source>
        <translation>定价(&amp;I)：</translation>
    </message>
    <message>
        <source>&amp;Amazon Price:</source>
        <translation>&amp;Amazon 价格：</translation>
    </message>
    <message>
        <source>Rating</source>
        <translation>评分</translation>
    </message>
    <message>
        <source>Ama&amp;zon Rating:</source>
        <translation>Ama&amp;zon 评分：</translation>
    </message>
    <message>
        <source>Num&amp;ber of Reviews:</source>
        <translation>评论数(&amp;B)：</translation>
    </message>
    <message>
        <source>Unrated</source>
        <translation>未评分</translation>
    </message>
    <message>
        <source>M&amp;y Rating:</source>
        <translation>我的评分(&amp;Y)：</translation>
    </message>
    <message>
        <source>Misc Info</source>
        <translation>其他信息</translation>
    </message>
    <message>
        <source>L&amp;ocation:</source>
        <translation>位置(&amp;O)：</translation>
    </message>
    <message>
        <source>S&amp;tatus:</source>
        <translation>状态(&amp;T)：</translation>
    </message>
    <message>
        <source>C&amp;urrent Page:</source>
        <translation>当前页(&amp;U)：</translation>
    </message>
    <message>
        <source>eBook Info</source>
        <translation>电子书信息</translation>
    </message>
    <message>
        <source>I only have &amp;ebook</source>
        <translation>只有电子书(&amp;E)</translation>
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
        <translation>用户自定义文本</translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation>用户文本 1(&amp;1)：</translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation>用户文本 2(&amp;2)：</translation>
    </message>
    <message>
        <source>&amp;Personal</source>
        <translation>个人(&amp;P)</translation>
    </message>
</context>
<context>
    <name>CBookProperties</name>
    <message>
        <source>Someone else changed this book in the library after you opened it.
Click &quot;Yes&quot; to save your changes over theirs, &quot;No&quot; to see their version here instead of yours, or &quot;Cancel&quot; to go back to your changes.</source>
        <translation>在你打开此书之后，有人在书库中更改了它。
单击“是”用你的更改覆盖对方的更改，单击“否”在此处改为显示对方的版本，或单击“取消”回到你的更改。</translation>
    </message>
    <message>
        <source>Someone else deleted this book from the library after you opened it.
Would you like to add it as a new book?</source>
        <translation>在你打开此书之后，有人从书库中删除了它。
是否将它作为新图书添加？</translation>
    </message>
</context>
<context>
    <name>CBulkEditDlg</name>
    <message numerus="yes">
        <source>Edit %n Book(s)</source>
        <translation>
            <numerusform>编辑 %n 本书</numerusform>
        </translation>
    </message>
    <message>
        <source>Rep&amp;lace</source>
        <translation>替换(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Categories</source>
        <translation>类别(&amp;C)</translation>
    </message>
    <message>
        <source>change</source>
        <translation>更改</translation>
    </message>
    <message>
        <source>Checked: every selected book gets this value; left empty, the field is cleared on every book.
Unchecked: the books keep what they have.</source>
        <translation>勾选：每本选中的书都取此值；留空则清除每本书的该字段。
不勾选：各书保留原有内容。</translation>
    </message>
    <message>
        <source>(various)</source>
        <translation>（各不相同）</translation>
    </message>
    <message>
        <source>Replaces text inside one field of every selected book. In a regular expression, \1 to \9 in the replacement stand for what its groups found.</source>
        <translation>在每本选中的书的一个字段中替换文字。使用正则表达式时，替换文字中的 \1 到 \9 代表各分组找到的内容。</translation>
    </message>
    <message>
        <source>Regular e&amp;xpression</source>
        <translation>正则表达式(&amp;X)</translation>
    </message>
    <message>
        <source>Match c&amp;ase</source>
        <translation>区分大小写(&amp;A)</translation>
    </message>
    <message>
        <source>Book</source>
        <translation>书</translation>
    </message>
    <message>
        <source>Before</source>
        <translation>之前</translation>
    </message>
    <message>
        <source>After</source>
        <translation>之后</translation>
    </message>
    <message>
        <source>&amp;Field:</source>
        <translation>字段(&amp;F)：</translation>
    </message>
    <message>
        <source>F&amp;ind:</source>
        <translation>查找(&amp;I)：</translation>
    </message>
    <message>
        <source>Replace &amp;with:</source>
        <translation>替换为(&amp;W)：</translation>
    </message>
    <message>
        <source>The first changes:</source>
        <translation>前几处更改：</translation>
    </message>
    <message>
        <source>No selected book has this text in this field.</source>
        <translation>没有选中的书在此字段中含有此文字。</translation>
    </message>
    <message>
        <source>&amp;Add the books to:</source>
        <translation>将书添加到(&amp;A)：</translation>
    </message>
    <message>
        <source>Re&amp;move the books from:</source>
        <translation>将书移出(&amp;M)：</translation>
    </message>
    <message numerus="yes">
        <source>Changed %n book(s)</source>
        <translation>
            <numerusform>已更改 %n 本书</numerusform>
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
        <translation>最后更新：</translation>
    </message>
    <message>
        <source>&amp;Name:</source>
        <translation>名称(&amp;N)：</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>备注(&amp;O)：</translation>
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
        <translation>愿望清单</translation>
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
        <translation>无封面</translation>
    </message>
    <message>
        <source>Click to open the picture</source>
        <translation>单击打开图片</translation>
    </message>
</context>
<context>
    <name>CCsvExportCommands</name>
    <message>
        <source>Export CSV</source>
        <translation>导出 CSV</translation>
    </message>
    <message>
        <source>Export Goodreads CSV</source>
        <translation>导出 Goodreads CSV</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>%1 could not be written.</source>
        <translation>无法写入 %1。</translation>
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
        <translation>请输入某一天（%1 或 %2）、某个月（%3）或某一年（%4）。
上、下方向键更改日，Page Up 和 Page Down 更改月，
Ctrl+Page Up 和 Ctrl+Page Down 更改年。</translation>
    </message>
    <message>
        <source>Choose from a calendar</source>
        <translation>从日历中选择</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a date. Type a day (%2 or %3), a month (%4) or a year (%5).</source>
        <translation>“%1”不是日期。请输入某一天（%2 或 %3）、某个月（%4）或某一年（%5）。</translation>
    </message>
</context>
<context>
    <name>CEditorFontDlg</name>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>%1 (%2 pt)</source>
        <translation>%1（%2 磅）</translation>
    </message>
    <message>
        <source>&amp;Choose...</source>
        <translation>选择(&amp;C)...</translation>
    </message>
    <message>
        <source>AaBbYyZz</source>
        <translation>AaBbYyZz 中文示例</translation>
    </message>
    <message>
        <source>&amp;Font:</source>
        <translation>字体(&amp;F)：</translation>
    </message>
    <message>
        <source>&amp;Size:</source>
        <translation>大小(&amp;S)：</translation>
    </message>
    <message>
        <source>Co&amp;lor:</source>
        <translation>颜色(&amp;L)：</translation>
    </message>
    <message>
        <source>Sample:</source>
        <translation>示例：</translation>
    </message>
</context>
<context>
    <name>CHelpTopicsDlg</name>
    <message>
        <source>The category tree on the left chooses which books the list shows; the page below the list shows the selected books. Right-click a pane for its commands. Every command of the menus:</source>
        <translation>左侧的类别树决定列表中显示哪些图书；列表下方的页面显示所选图书。右键单击窗格可使用其命令。菜单中的全部命令：</translation>
    </message>
    <message>
        <source>Command</source>
        <translation>命令</translation>
    </message>
    <message>
        <source>Keys</source>
        <translation>按键</translation>
    </message>
    <message>
        <source>What it does</source>
        <translation>作用</translation>
    </message>
    <message>
        <source>Tomelodex Help</source>
        <translation>Tomelodex 帮助</translation>
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
        <translation>超链接</translation>
    </message>
    <message>
        <source>&amp;URL:</source>
        <translation>网址(&amp;U)：</translation>
    </message>
</context>
<context>
    <name>CInputSQLDlg</name>
    <message>
        <source>Run SQL</source>
        <translation>执行 SQL</translation>
    </message>
    <message>
        <source>&amp;Input SQL statement:</source>
        <translation>输入 SQL 语句(&amp;I)：</translation>
    </message>
    <message>
        <source>Note: Advanced users only.</source>
        <translation>注意：仅供高级用户使用。</translation>
    </message>
    <message>
        <source>&amp;Run</source>
        <translation>执行(&amp;R)</translation>
    </message>
    <message>
        <source>%1 of more than %2 rows shown</source>
        <translation>显示了超过 %2 行中的 %1 行</translation>
    </message>
    <message numerus="yes">
        <source>%1 of %Ln row(s) shown</source>
        <translation>
            <numerusform>显示了 %Ln 行中的 %1 行</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%Ln row(s)</source>
        <translation>
            <numerusform>%Ln 行</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CInsertImageDlg</name>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>&amp;Browse...</source>
        <translation>浏览(&amp;B)...</translation>
    </message>
    <message>
        <source>Picture &amp;source:</source>
        <translation>图片来源(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Alternate text:</source>
        <translation>替代文本(&amp;A)：</translation>
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
            <numerusform>借出 %n 本书</numerusform>
        </translation>
    </message>
    <message>
        <source>Borrowed From</source>
        <translation>借自</translation>
    </message>
    <message>
        <source>Clear for a loan without a due date</source>
        <translation>取消勾选表示没有到期日</translation>
    </message>
    <message numerus="yes">
        <source>Book(s):</source>
        <translation>
            <numerusform>图书：</numerusform>
        </translation>
    </message>
    <message>
        <source>&amp;Lent to:</source>
        <translation>借给(&amp;L)：</translation>
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
        <translation>应还日期(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Due to return:</source>
        <translation>归还期限(&amp;D)：</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>备注(&amp;N)：</translation>
    </message>
    <message>
        <source>Give the day of the loan, not only its month or year.</source>
        <translation>请给出借阅的具体日期，而不只是月份或年份。</translation>
    </message>
    <message>
        <source>Give the day the book is due, not only its month or year.</source>
        <translation>请给出到期的具体日期，而不只是月份或年份。</translation>
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
        <translation>网址(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>F&amp;older</source>
        <translation>文件夹(&amp;O)</translation>
    </message>
    <message>
        <source>Ot&amp;her</source>
        <translation>其他(&amp;H)</translation>
    </message>
    <message>
        <source>Browse</source>
        <translation>浏览</translation>
    </message>
    <message>
        <source>&amp;Title:</source>
        <translation>标题(&amp;T)：</translation>
    </message>
    <message>
        <source>&amp;Path:</source>
        <translation>路径(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Notes:</source>
        <translation>备注(&amp;N)：</translation>
    </message>
    <message>
        <source>(Optional)</source>
        <translation>（可选）</translation>
    </message>
    <message>
        <source>Type:</source>
        <translation>类型：</translation>
    </message>
    <message>
        <source>Select a File</source>
        <translation>选择文件</translation>
    </message>
</context>
<context>
    <name>CLinkLabel</name>
    <message>
        <source>Unable to open hyperlink:

%1</source>
        <translation>无法打开超链接：

%1</translation>
    </message>
</context>
<context>
    <name>CLinkProperties</name>
    <message>
        <source>General</source>
        <translation>常规</translation>
    </message>
</context>
<context>
    <name>CMainFrame</name>
    <message>
        <source>Import XML</source>
        <translation>导入 XML</translation>
    </message>
    <message>
        <source>Importing books from %1...</source>
        <translation>正在从 %1 导入图书...</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) read</source>
        <translation>
            <numerusform>已读取 %n 本书</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (read-only)</source>
        <translation>%1（只读）</translation>
    </message>
    <message>
        <source>It is a folder, not a file.</source>
        <translation>这是一个文件夹，不是文件。</translation>
    </message>
    <message>
        <source>The file does not exist.</source>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>%1 could not be opened as a library:
%2</source>
        <translation>无法将 %1 作为书库打开：
%2</translation>
    </message>
    <message>
        <source>Choose a Tomelodex library (a .mdb file made by Tomelodex) with File &gt; Open Database, or check that the file exists and that you may read it.</source>
        <translation>请通过“文件 &gt; 打开数据库”选择一个 Tomelodex 书库（由 Tomelodex 创建的 .mdb 文件），或检查该文件是否存在以及您是否有权读取它。</translation>
    </message>
    <message>
        <source>%1 stays open.</source>
        <translation>%1 仍保持打开。</translation>
    </message>
    <message>
        <source>Restore categories</source>
        <translation>恢复类别</translation>
    </message>
    <message>
        <source>Put each book into the categories the file names for it, creating the missing ones. Unchecked, every book goes into the current category.</source>
        <translation>将每本书放入文件为它指定的类别，并创建缺少的类别。不勾选时，所有书都导入当前类别。</translation>
    </message>
</context>
<context>
    <name>CNameChoiceDlg</name>
    <message>
        <source>Please type the name to keep.</source>
        <translation>请输入要保留的名称。</translation>
    </message>
</context>
<context>
    <name>COptions</name>
    <message>
        <source>&amp;Default Values</source>
        <translation>默认值(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Misc Options</source>
        <translation>其他选项(&amp;M)</translation>
    </message>
</context>
<context>
    <name>COptionsDefaultPage</name>
    <message>
        <source>&amp;Purchase Date:</source>
        <translation>购买日期(&amp;P)：</translation>
    </message>
    <message>
        <source>&amp;Language:</source>
        <translation>语言(&amp;L)：</translation>
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
        <translation>状态(&amp;A)：</translation>
    </message>
    <message>
        <source>User Text &amp;1:</source>
        <translation>用户文本 1(&amp;1)：</translation>
    </message>
    <message>
        <source>User Text &amp;2:</source>
        <translation>用户文本 2(&amp;2)：</translation>
    </message>
    <message>
        <source>&amp;Format:</source>
        <translation>格式(&amp;F)：</translation>
    </message>
    <message>
        <source>I only have e&amp;Book:</source>
        <translation>只有电子书(&amp;B)：</translation>
    </message>
    <message>
        <source>The following default values will be used when adding new books.</source>
        <translation>添加新图书时将使用以下默认值。</translation>
    </message>
</context>
<context>
    <name>COptionsUIPage</name>
    <message>
        <source>Interface &amp;Language:</source>
        <translation>界面语言(&amp;L)：</translation>
    </message>
    <message>
        <source>(Restart of Tomelodex is needed.)</source>
        <translation>（需要重新启动 Tomelodex。）</translation>
    </message>
    <message>
        <source>Your &amp;Associate Tag (Optional):</source>
        <translation>您的联盟标签(&amp;A)（可选）：</translation>
    </message>
    <message>
        <source>Looking Up Books:</source>
        <translation>查询图书：</translation>
    </message>
    <message>
        <source>an e-mail or web address (optional)</source>
        <translation>电子邮件或网址（可选）</translation>
    </message>
    <message>
        <source>Lookup &amp;source:</source>
        <translation>查询来源(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Contact for Open Library:</source>
        <translation>Open Library 联系方式(&amp;C)：</translation>
    </message>
    <message>
        <source>The product service chosen before is discontinued and has no address of its own: books are looked up at Open Library.</source>
        <translation>之前选择的产品服务已停止，且没有自己的地址：图书将在 Open Library 查找。</translation>
    </message>
    <message>
        <source>Loans:</source>
        <translation>借阅：</translation>
    </message>
    <message>
        <source> days</source>
        <translation> 天</translation>
    </message>
    <message>
        <source>Default loan &amp;period:</source>
        <translation>默认借期(&amp;P)：</translation>
    </message>
</context>
<context>
    <name>COverdueLink</name>
    <message numerus="yes">
        <source>%n book(s) overdue</source>
        <translation>
            <numerusform>%n 本书逾期</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CPagePrinter</name>
    <message>
        <source>The page could not be written to the temporary folder %1: %2. Make room there and print again.</source>
        <translation>无法将页面写入临时文件夹 %1：%2。请腾出空间后重新打印。</translation>
    </message>
    <message>
        <source>The PDF file &quot;%1&quot; could not be written: %2. Print again and choose a folder you may write to.</source>
        <translation>无法写入 PDF 文件“%1”：%2。请重新打印并选择一个可写入的文件夹。</translation>
    </message>
    <message>
        <source>The pages could not be shown. Close the preview and try again.</source>
        <translation>无法显示页面。请关闭预览后重试。</translation>
    </message>
    <message>
        <source>The page could not be prepared for printing. Refresh it and print again.</source>
        <translation>无法准备要打印的页面。请刷新页面后重新打印。</translation>
    </message>
</context>
<context>
    <name>CPictureFileDialog</name>
    <message>
        <source>No preview</source>
        <translation>无预览</translation>
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
        <translation>打印机“%1”未接受这些页面：%2。请检查打印机已开启并已连接，或选择其他打印机，然后重新打印。</translation>
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
        <translation>添加阅读记录</translation>
    </message>
    <message>
        <source>Edit Reading</source>
        <translation>编辑阅读记录</translation>
    </message>
    <message>
        <source>Clear while the book is still being read</source>
        <translation>仍在阅读时请取消勾选</translation>
    </message>
    <message>
        <source>&amp;Started:</source>
        <translation>开始(&amp;S)：</translation>
    </message>
    <message>
        <source>&amp;Finished:</source>
        <translation>读完(&amp;F)：</translation>
    </message>
    <message>
        <source>N&amp;otes:</source>
        <translation>备注(&amp;O)：</translation>
    </message>
    <message>
        <source>Give the day of the reading, not only its month or year.</source>
        <translation>请给出阅读的具体日期，而不只是月份或年份。</translation>
    </message>
</context>
<context>
    <name>CRemovalQuestion</name>
    <message numerus="yes">
        <source>Move %n book(s) to the Recycle Bin?</source>
        <translation>
            <numerusform>将 %n 本书移到回收站？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[It leaves|They leave] every category. The Recycle Bin keeps [it|them] until [it is|they are] deleted there.</source>
        <translation>
            <numerusform>所选图书将离开所有类别，并保留在回收站中，直到在回收站中将其删除。</numerusform>
        </translation>
    </message>
    <message>
        <source>Move to Recycle Bin</source>
        <translation>移到回收站</translation>
    </message>
    <message numerus="yes">
        <source>Delete %n book(s) for good?</source>
        <translation>
            <numerusform>永久删除 %n 本书？</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[Its|Their] links and covers go too. This cannot be undone.</source>
        <translation>
            <numerusform>其链接和封面也将一并删除。此操作无法撤消。</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete for Good</source>
        <translation>永久删除</translation>
    </message>
    <message>
        <source>Books in no other category go to the Recycle Bin.</source>
        <translation>不属于其他类别的图书将进入回收站。</translation>
    </message>
    <message numerus="yes">
        <source>[It stays|They stay] in the library and in [its|their] other categories.</source>
        <translation>
            <numerusform>所选图书仍保留在书库及其其他类别中。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>[It is|They are] in no other category, so [it goes|they go] to the Recycle Bin.</source>
        <translation>
            <numerusform>所选图书不属于其他类别，因此将进入回收站。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n of them [is|are] in no other category and [goes|go] to the Recycle Bin; the others stay in their other categories.</source>
        <translation>
            <numerusform>其中 %n 本不属于其他类别，将进入回收站；其余图书仍保留在各自的其他类别中。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n book(s) from &quot;%1&quot;?</source>
        <translation>
            <numerusform>从“%1”中移除 %n 本书？</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove from Category</source>
        <translation>从类别中移除</translation>
    </message>
    <message>
        <source>Remove the category &quot;%1&quot;?</source>
        <translation>删除类别“%1”？</translation>
    </message>
    <message numerus="yes">
        <source>Remove the category &quot;%1&quot; and its %n subcategor[y|ies]?</source>
        <translation>
            <numerusform>删除类别“%1”及其 %n 个子类别？</numerusform>
        </translation>
    </message>
    <message>
        <source>No book is filed there.</source>
        <translation>其中没有图书。</translation>
    </message>
    <message numerus="yes">
        <source>The %n [book filed there stays|books filed there stay] in the library and in [its|their] other categories.</source>
        <translation>
            <numerusform>其中的 %n 本书仍保留在书库及其其他类别中。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>The %n [book filed there is|books filed there are] in no other category, so [it goes|they go] to the Recycle Bin.</source>
        <translation>
            <numerusform>其中的 %n 本书不属于其他类别，因此将进入回收站。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Of the %1 books filed there, %n [is|are] in no other category and [goes|go] to the Recycle Bin; the others stay in their other categories.</source>
        <translation>
            <numerusform>其中的 %1 本书中，有 %n 本不属于其他类别，将进入回收站；其余图书仍保留在各自的其他类别中。</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove Category</source>
        <translation>删除类别</translation>
    </message>
    <message numerus="yes">
        <source>Remove %n book(s) from &quot;%1&quot; and its subcategories?</source>
        <translation>
            <numerusform>从“%1”及其子类别中移除 %n 本书？</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CResultsDlg</name>
    <message>
        <source>Please select one from the following:</source>
        <translation>请从下列结果中选择一项：</translation>
    </message>
    <message>
        <source>First page</source>
        <translation>第一页</translation>
    </message>
    <message>
        <source>Previous page</source>
        <translation>上一页</translation>
    </message>
    <message>
        <source>Next page</source>
        <translation>下一页</translation>
    </message>
    <message>
        <source>Last page</source>
        <translation>最后一页</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Searching page %1...</source>
        <translation>正在搜索第 %1 页...</translation>
    </message>
</context>
<context>
    <name>CSqlRowsModel</name>
    <message numerus="yes">
        <source>(%n byte(s) of binary data)</source>
        <translation>
            <numerusform>（%n 字节的二进制数据）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTidyNamesDlg</name>
    <message>
        <source>Tidy Names</source>
        <translation>整理名称</translation>
    </message>
    <message>
        <source>Publishers</source>
        <translation>出版社</translation>
    </message>
    <message>
        <source>Languages</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>Bindings</source>
        <translation>装帧</translation>
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
        <translation>名称类别(&amp;N):</translation>
    </message>
    <message>
        <source>Names containing...</source>
        <translation>包含此文字的名称...</translation>
    </message>
    <message>
        <source>&amp;Find:</source>
        <translation>查找(&amp;F):</translation>
    </message>
    <message>
        <source>Show only &amp;similar names</source>
        <translation>只显示相似的名称(&amp;S)</translation>
    </message>
    <message>
        <source>Groups the names that differ only in letter case, spaces, punctuation or a company word such as &quot;Inc.&quot; or &quot;Publishing&quot;</source>
        <translation>将只在大小写、空格、标点或“Inc.”、“Publishing”等公司用词上不同的名称归为一组</translation>
    </message>
    <message>
        <source>Name</source>
        <translation>名称</translation>
    </message>
    <message>
        <source>Books</source>
        <translation>图书</translation>
    </message>
    <message>
        <source>&amp;Merge...</source>
        <translation>合并(&amp;M)...</translation>
    </message>
    <message>
        <source>&amp;Rename...</source>
        <translation>重命名(&amp;R)...</translation>
    </message>
    <message>
        <source>&amp;Delete</source>
        <translation>删除(&amp;D)</translation>
    </message>
    <message>
        <source>Delete &amp;Unused</source>
        <translation>删除未使用的(&amp;U)</translation>
    </message>
    <message>
        <source>Select two or more names and choose Merge to make them one.</source>
        <translation>选择两个或更多名称，然后选择“合并”将它们合为一个。</translation>
    </message>
    <message numerus="yes">
        <source>%1 (%n name(s))</source>
        <translation>
            <numerusform>%1（%n 个名称）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s)</source>
        <translation>
            <numerusform>%n 个名称</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n unused</source>
        <translation>
            <numerusform>%n 个未使用</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge Names</source>
        <translation>合并名称</translation>
    </message>
    <message numerus="yes">
        <source>Merge these %n names into one. The books of all of them will carry the name you choose or type:</source>
        <translation>
            <numerusform>将这 %n 个名称合并为一个。它们的所有图书都将使用您选择或输入的名称：</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename</source>
        <translation>重命名</translation>
    </message>
    <message>
        <source>New name for &quot;%1&quot;:</source>
        <translation>“%1”的新名称：</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already in the list. Merge &quot;%2&quot; into it?</source>
        <translation>“%1”已在列表中。要将“%2”合并到其中吗？</translation>
    </message>
    <message numerus="yes">
        <source>&quot;%1&quot; is already in the list. Merge the %n selected names into it?</source>
        <translation>
            <numerusform>“%1”已在列表中。要将所选的 %n 个名称合并到其中吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Merge</source>
        <translation>合并</translation>
    </message>
    <message numerus="yes">
        <source>Merged %n names into &quot;%1&quot;</source>
        <translation>
            <numerusform>已将 %n 个名称合并为“%1”</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) changed.</source>
        <translation>
            <numerusform>已更改 %n 本图书。</numerusform>
        </translation>
    </message>
    <message>
        <source>Renamed &quot;%1&quot; to &quot;%2&quot;.</source>
        <translation>已将“%1”重命名为“%2”。</translation>
    </message>
    <message numerus="yes">
        <source>Delete the %n name(s) that no book carries?</source>
        <translation>
            <numerusform>要删除没有图书使用的 %n 个名称吗？</numerusform>
        </translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message numerus="yes">
        <source>Deleted %n name(s).</source>
        <translation>
            <numerusform>已删除 %n 个名称。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n name(s) kept: a book carries them now.</source>
        <translation>
            <numerusform>保留了 %n 个名称：现在有图书在使用它们。</numerusform>
        </translation>
    </message>
    <message>
        <source>Another program has changed these names meanwhile, so nothing was changed. The list now shows the names as they are.</source>
        <translation>另一个程序在此期间更改了这些名称，因此未做任何更改。列表现在显示名称的当前状态。</translation>
    </message>
</context>
<context>
    <name>CTomeloHtmlView</name>
    <message numerus="yes">
        <source>and %n more book(s)</source>
        <translation>
            <numerusform>以及另外 %n 本书</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>CTomeloTreeView</name>
    <message numerus="yes">
        <source>%n subcategor[y|ies]</source>
        <translation>
            <numerusform>%n 个子类别</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Cli</name>
    <message>
        <source>tomelodex-cli add: cannot read %1</source>
        <translation>tomelodex-cli add：无法读取 %1</translation>
    </message>
    <message>
        <source>Error: %1 is not a valid ISBN.</source>
        <translation>错误：%1 不是有效的 ISBN。</translation>
    </message>
    <message>
        <source>Job finished: %1 added, %2 skipped, %3 failed, %4 not found.</source>
        <translation>任务完成：添加 %1 本，跳过 %2 本，失败 %3 本，未找到 %4 本。</translation>
    </message>
    <message>
        <source>Looks up each ISBN at the chosen source and adds the books found to category ID. Prints per ISBN a line with the ISBN, a tab, and the title or &quot;Error: &quot; and the error, then the final status with the numbers of books added, skipped as duplicates, failed to be saved and not found. Fails when any book could not be saved or none was found.</source>
        <translation>在所选来源查询每个 ISBN，并将找到的图书添加到类别 ID。每个 ISBN 输出一行：ISBN、一个制表符，然后是书名或“错误：”及错误信息；最后输出状态，列出添加、因重复而跳过、保存失败和未找到的图书数量。有图书无法保存或一本也未找到时失败。</translation>
    </message>
    <message>
        <source>Try &apos;tomelodex-cli --help&apos;.</source>
        <translation>请尝试“tomelodex-cli --help”。</translation>
    </message>
    <message>
        <source>tomelodex-cli: books can be added only to category 1 or a category numbered 32 or above, not %1</source>
        <translation>tomelodex-cli：图书只能添加到类别 1 或编号为 32 及以上的类别，不能添加到 %1</translation>
    </message>
    <message>
        <source>%1: the library has no category %2</source>
        <translation>%1：书库中没有类别 %2</translation>
    </message>
    <message>
        <source>tomelodex-cli %1: &apos;%2&apos; is not a book number</source>
        <translation>tomelodex-cli %1：“%2”不是图书编号</translation>
    </message>
    <message>
        <source>usage: tomelodex-cli COMMAND [OPTIONS] ARGS

Works on Tomelodex libraries without opening the window.

Commands:
</source>
        <translation>用法：tomelodex-cli 命令 [选项] 参数

无需打开窗口即可处理 Tomelodex 书库。

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
所有命令通用的选项：--source openlibrary|product 选择本次运行在何处查询图书
（否则使用 LookupSource 设置；只给出 --service-host 而没有 --source 时表示 product）。
--openlibrary-host URL、--covers-host URL、--service-host URL、--search-host URL
和 --store-host URL 使本次运行改用其他 Open Library、封面服务器、商品服务、
关键字搜索或商店（协议、主机和可选的端口，例如 http://127.0.0.1:8080）。

“tomelodex-cli 命令 --help”说明一个命令；
“tomelodex-cli --version”输出程序的名称和版本。
退出状态：0 成功，1 操作失败或什么也没找到，2 用法错误。</translation>
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
        <translation>tomelodex-cli：%1 需要一个地址，例如 http://127.0.0.1:8080</translation>
    </message>
    <message>
        <source>tomelodex-cli: unknown command &apos;%1&apos;.</source>
        <translation>tomelodex-cli：未知命令“%1”。</translation>
    </message>
    <message>
        <source>tomelodex-cli: cannot read standard input.</source>
        <translation>tomelodex-cli：无法读取标准输入。</translation>
    </message>
    <message>
        <source>tomelodex-cli: unknown isbn action &apos;%1&apos;.
%2</source>
        <translation>tomelodex-cli：未知的 isbn 操作“%1”。
%2</translation>
    </message>
    <message>
        <source>ISBN rules. normalize: trims the text, drops hyphens and writes the check letter X in upper case. check: prints the normalised ISBN when it is a valid ISBN-10 or 979 ISBN-13, else fails. ean: turns a 978 EAN-13 bar code with a right check digit into its ISBN-10 and drops a scanner&apos;s add-on from a 979 one (other text comes back unchanged). find: prints the first ISBN in standard input (a printed 978 ISBN-13 as its ISBN-10), or fails. tag: prints the tag of an e-book file name, between its last &apos;-&apos; and its last &apos;.&apos;.</source>
        <translation>ISBN 规则。normalize：去掉首尾空白和连字符，并将校验字母 X 写成大写。check：是有效的 ISBN-10 或 979 开头的 ISBN-13 时输出规范化的 ISBN，否则失败。ean：将校验位正确的 978 开头的 EAN-13 条码转换为 ISBN-10，并去掉 979 条码上扫描器附加的部分（其他文本原样返回）。find：输出标准输入中的第一个 ISBN（印刷的 978 开头的 ISBN-13 输出为 ISBN-10），找不到则失败。tag：输出电子书文件名中最后一个“-”与最后一个“.”之间的标签。</translation>
    </message>
    <message>
        <source>Prints the first ISBN starting with 0 or 1 found in the HTML pages of the CHM file, or fails when there is none.</source>
        <translation>输出在 CHM 文件的 HTML 页面中找到的第一个以 0 或 1 开头的 ISBN，没有则失败。</translation>
    </message>
    <message>
        <source>tomelodex-cli list: --category needs a category number</source>
        <translation>tomelodex-cli list：--category 需要类别编号</translation>
    </message>
    <message>
        <source>Creates a new library from the template beside the program (replacing LIBRARY), names its fixed rows in the interface language and creates its images folder.</source>
        <translation>用程序旁的模板创建新书库（替换 LIBRARY），用界面语言命名其固定行，并创建其图片文件夹。</translation>
    </message>
    <message>
        <source>Runs an SQL statement on the library and prints the number of records affected and of records returned.</source>
        <translation>在书库上执行一条 SQL 语句，并输出受影响的记录数和返回的记录数。</translation>
    </message>
    <message>
        <source>Compacts the library and prints its size before and after.</source>
        <translation>压缩书库并输出压缩前后的大小。</translation>
    </message>
    <message>
        <source>Prints the books the list shows for a category (default 5, All Books), one line each: BookID, Title, Author, Publisher, ISBN and Edition separated by tabs.</source>
        <translation>输出列表为某个类别显示的图书（默认 5，全部图书），每本一行：BookID、书名、作者、出版社、ISBN 和版本，以制表符分隔。</translation>
    </message>
    <message>
        <source>Files the books whose title, author, ISBN, description, notes or user texts contain KEYWORD in Search Results (emptied first unless --keep) and prints how many were found.</source>
        <translation>将书名、作者、ISBN、简介、备注或用户文本中含有 KEYWORD 的图书放入搜索结果（除非指定 --keep，否则先清空），并输出找到的数量。</translation>
    </message>
    <message>
        <source>%1 is not a valid ISBN.</source>
        <translation>%1 不是有效的 ISBN。</translation>
    </message>
    <message>
        <source>Looks the ISBN up at the chosen source (Open Library or the product service), on a record with the default values for new books, and prints the result as one Book element of the book XML. Fails with the source&apos;s message when it knows no such book.</source>
        <translation>在所选来源（Open Library 或商品服务）查询该 ISBN，以新图书的默认值为基础，并将结果输出为图书 XML 的一个 Book 元素。来源不知道这本书时，以来源的消息失败。</translation>
    </message>
    <message>
        <source>tomelodex-cli render: there is no %1 named &apos;%2&apos;; there are: %3</source>
        <translation>tomelodex-cli render：没有名为“%2”的%1；现有：%3</translation>
    </message>
    <message>
        <source>template</source>
        <translation>模板</translation>
    </message>
    <message>
        <source>style</source>
        <translation>样式</translation>
    </message>
    <message>
        <source>tomelodex-cli render: the library has no book %1</source>
        <translation>tomelodex-cli render：书库中没有图书 %1</translation>
    </message>
    <message>
        <source>Writes the information page of the given books as Save As HTML saves it, with the content template and display style of those titles (the stored choices by default), to standard output or FILE.</source>
        <translation>像“另存为 HTML”那样写出指定图书的信息页，使用给定名称的内容模板和显示样式（默认为已保存的选择），输出到标准输出或 FILE。</translation>
    </message>
    <message>
        <source>Writes the book XML of the given books, in that order, or of the books the list shows for category ID (5: All Books), as Save As XML writes it, to standard output or FILE.</source>
        <translation>像“另存为 XML”那样按给定顺序写出指定图书的图书 XML，或写出列表为类别 ID 显示的图书（5：全部图书），输出到标准输出或 FILE。</translation>
    </message>
    <message>
        <source>tomelodex-cli: %1: the name is not valid UTF-8; only a library can be named so</source>
        <translation>tomelodex-cli: %1: 该名称不是有效的 UTF-8；只有书库可以使用这样的名称</translation>
    </message>
    <message>
        <source>tomelodex-cli edit: unknown field &apos;%1&apos;</source>
        <translation>tomelodex-cli edit：未知字段“%1”</translation>
    </message>
    <message>
        <source>%1: the library has no book %2</source>
        <translation>%1：书库中没有图书 %2</translation>
    </message>
    <message>
        <source>tomelodex-cli: the product service is discontinued; --source product needs --service-host with a service of your own</source>
        <translation>tomelodex-cli：产品服务已停止；--source product 需要用 --service-host 指定您自己的服务</translation>
    </message>
    <message>
        <source>Writes one backup file (a zip) of the library and its covers, consistent even while other programs use the library. Prints nothing.</source>
        <translation>把书库及其封面写入一个备份文件（zip），即使其他程序正在使用书库，备份也是一致的。不输出任何内容。</translation>
    </message>
    <message>
        <source>Makes a new library, with its covers, from a backup file. LIBRARY must not exist yet. Prints nothing.</source>
        <translation>从备份文件创建一个新书库及其封面。LIBRARY 必须尚不存在。不输出任何内容。</translation>
    </message>
    <message>
        <source>A number in a series needs the name of the series (Series=NAME).</source>
        <translation>系列中的编号需要系列名称（Series=NAME）。</translation>
    </message>
    <message>
        <source>Sets fields of one book as the book sheet saves them, in one transaction. FIELD is an element name of the book XML (Title, Author, MyRating, Location, Notes, Series, SeriesNumber, ...; FrontCover and BackCover name a picture file, empty for none; an empty Series takes the book out of its series); every other column and row of the library stays. Fails for an unknown book or a SeriesNumber that is not a number; an unknown field is a usage error.</source>
        <translation>按图书属性表保存的方式，在一个事务中设置一本图书的字段。FIELD 是图书 XML 的元素名（Title、Author、MyRating、Location、Notes、Series、SeriesNumber 等；FrontCover 和 BackCover 指定图片文件，为空表示无；Series 为空则将图书移出其系列）；书库的其他列和行均保持不变。图书不存在或 SeriesNumber 不是数字时失败；未知字段属于用法错误。</translation>
    </message>
    <message>
        <source>tomelodex-cli %1: %2 needs a date such as 2026-12-07, not &apos;%3&apos;</source>
        <translation>tomelodex-cli %1：%2 需要日期，例如 2026-12-07，而不是“%3”</translation>
    </message>
    <message>
        <source>tomelodex-cli %1: %2 needs a value</source>
        <translation>tomelodex-cli %1：%2 需要一个值</translation>
    </message>
    <message>
        <source>usage: tomelodex-cli %1 %2</source>
        <translation>用法：tomelodex-cli %1 %2</translation>
    </message>
    <message>
        <source>tomelodex-cli loan: give either --to NAME or --from NAME</source>
        <translation>tomelodex-cli loan：请指定 --to NAME 或 --from NAME 之一</translation>
    </message>
    <message>
        <source>Records a loan of the book: lent to NAME (--to) or borrowed from NAME (--from), on DATE (default today), due back on the --due date. Fails for a book already out, a due date before the loan date or an empty name.</source>
        <translation>记录图书的借阅：借给 NAME（--to）或向 NAME 借入（--from），日期为 DATE（默认今天），应于 --due 日期归还。图书已借出、归还期限早于借出日期或姓名为空时失败。</translation>
    </message>
    <message>
        <source>Closes the book&apos;s open loan on DATE (default today). Fails when none is open.</source>
        <translation>在 DATE（默认今天）结束图书未归还的借阅。没有未归还的借阅时失败。</translation>
    </message>
    <message>
        <source>Lists open loans, oldest first (--all: returned ones too; --overdue: those due before DATE, default today), one a line: BookID, Title, lent or borrowed, name, loan date, due date, return date, separated by tabs.</source>
        <translation>列出未归还的借阅，最早的在前（--all：也包括已归还的；--overdue：应还日期早于 DATE 的，默认今天），每行一条：BookID、书名、lent 或 borrowed、姓名、借出日期、应还日期、归还日期，以制表符分隔。</translation>
    </message>
    <message>
        <source>Adds a reading of the book (begun today when no date is given). Fails when it finished before it started.</source>
        <translation>添加图书的一次阅读（未给出日期时从今天开始）。结束早于开始时失败。</translation>
    </message>
    <message>
        <source>Imports the books of a book XML file into category ID. With --keep-categories each book goes instead into the categories the file names for it, found by their path and created when missing (Favorites and Reading List included); a book the file puts in no category still goes into category ID. A book whose ISBN is already in the library is skipped (skip, the default) or added anyway (add). Prints how many books were found and imported, then how many were imported, skipped and failed; exits 1 when any failed or the import was stopped.</source>
        <translation>将图书 XML 文件中的书导入类别 ID。使用 --keep-categories 时，每本书改为放入文件为它指定的类别：按路径查找，缺少时创建（包括收藏夹和阅读列表）；文件未放入任何类别的书仍导入类别 ID。ISBN 已在书库中的书会被跳过（skip，默认）或仍然添加（add）。输出找到和导入的书数，然后是导入、跳过和失败的书数；有失败或导入被停止时退出码为 1。</translation>
    </message>
    <message>
        <source>tomelodex-cli: --map %1: %2 is no field of a book.</source>
        <translation>tomelodex-cli: --map %1: %2 不是图书的字段。</translation>
    </message>
    <message>
        <source>tomelodex-cli: unknown format %1; one of: %2</source>
        <translation>tomelodex-cli: 未知格式 %1；可用格式：%2</translation>
    </message>
    <message>
        <source>Dry run: the library was not changed.</source>
        <translation>试运行：图书库未被更改。</translation>
    </message>
    <message>
        <source>Imports the books of other catalogues&apos; exports into category ID (default 1, Book Collection), all in one transaction. FORMAT is auto (the default: found out from each file&apos;s content), goodreads, librarything, storygraph, libib, calibre (a calibre library&apos;s folder or its metadata.db, only read), tellico (.tc or its XML), gcstar (.gcs), csv (any table with a header row) or tomelodex (the book XML). --map COLUMN=FIELD names the field of a table&apos;s column (a book XML element, or Categories, Series, SeriesNumber), over the guess by header name. Tags, shelves and collections go into categories below one named after the source. A book whose ISBN is already in the library is skipped (skip, the default), added anyway (add) or fills the stored book&apos;s empty fields (fill). --dry-run changes nothing. Prints per record its number, a tab and the title or &quot;Error: &quot; and the reason, then how many were imported, skipped and failed; exits 1 when any failed or the import was stopped, keeping nothing.</source>
        <translation>将其他目录导出文件中的图书导入类别 ID（默认 1，Book Collection），全部在一个事务中完成。FORMAT 为 auto（默认：根据每个文件的内容判断）、goodreads、librarything、storygraph、libib、calibre（calibre 书库文件夹或其 metadata.db，只读）、tellico（.tc 或其 XML）、gcstar（.gcs）、csv（任何带标题行的表格）或 tomelodex（图书 XML）。--map COLUMN=FIELD 指定表格某列对应的字段（图书 XML 元素，或 Categories、Series、SeriesNumber），优先于按标题名的推测。标签、书架和收藏放入以来源命名的类别下的子类别。ISBN 已在图书库中的图书将被跳过（skip，默认）、照样添加（add）或用于填写已存图书的空字段（fill）。--dry-run 不做任何更改。每条记录输出其编号、一个制表符以及书名或 &quot;Error: &quot; 和原因，然后输出导入、跳过和失败的数量；有任何失败或导入被中止（不保留任何内容）时退出码为 1。</translation>
    </message>
    <message>
        <source>Writes every book, or those the list shows for category ID, as CSV in UTF-8 with a header row to standard output or FILE: tomelodex (the default) writes the book XML&apos;s element names, then Categories (the category paths joined by &quot;; &quot;), Series and SeriesNumber; goodreads writes the columns of a Goodreads library export.</source>
        <translation>将每本图书（或列表为类别 ID 显示的图书）写成带标题行的 UTF-8 CSV，输出到标准输出或 FILE：tomelodex（默认）写出图书 XML 的元素名，然后是 Categories（类别路径以 &quot;; &quot; 连接）、Series 和 SeriesNumber；goodreads 写出 Goodreads 图书馆导出文件的各列。</translation>
    </message>
</context>
<context>
    <name>CommandTable</name>
    <message>
        <source>&amp;New Database...	Ctrl+N</source>
        <translation>新建数据库(&amp;N)...	Ctrl+N</translation>
    </message>
    <message>
        <source>Create a new database</source>
        <translation>创建新的数据库</translation>
    </message>
    <message>
        <source>&amp;Open Database...	Ctrl+O</source>
        <translation>打开数据库(&amp;O)...	Ctrl+O</translation>
    </message>
    <message>
        <source>Open an existing database</source>
        <translation>打开现有的数据库</translation>
    </message>
    <message>
        <source>&amp;XML...</source>
        <translation>&amp;XML...</translation>
    </message>
    <message>
        <source>Import books from Tomelodex XML</source>
        <translation>从 Tomelodex XML 导入图书</translation>
    </message>
    <message>
        <source>&amp;HTML...	Ctrl+S</source>
        <translation>&amp;HTML...	Ctrl+S</translation>
    </message>
    <message>
        <source>Save book information as HTML</source>
        <translation>将图书信息另存为 HTML</translation>
    </message>
    <message>
        <source>Save book information as XML</source>
        <translation>将图书信息另存为 XML</translation>
    </message>
    <message>
        <source>Page Set&amp;up...</source>
        <translation>页面设置(&amp;U)...</translation>
    </message>
    <message>
        <source>Change printing settings (headers and footers etc.)</source>
        <translation>更改打印设置（页眉和页脚等）</translation>
    </message>
    <message>
        <source>Print Pre&amp;view...</source>
        <translation>打印预览(&amp;V)...</translation>
    </message>
    <message>
        <source>Preview how the book information will print</source>
        <translation>预览图书信息的打印效果</translation>
    </message>
    <message>
        <source>&amp;Print...	Ctrl+P</source>
        <translation>打印(&amp;P)...	Ctrl+P</translation>
    </message>
    <message>
        <source>Print book information</source>
        <translation>打印图书信息</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>Quit the application</source>
        <translation>退出应用程序</translation>
    </message>
    <message>
        <source>Cu&amp;t	Ctrl+X</source>
        <translation>剪切(&amp;T)	Ctrl+X</translation>
    </message>
    <message>
        <source>Cut the selection and put it on the Clipboard</source>
        <translation>剪切所选内容并将其放到剪贴板上</translation>
    </message>
    <message>
        <source>&amp;Copy	Ctrl+C</source>
        <translation>复制(&amp;C)	Ctrl+C</translation>
    </message>
    <message>
        <source>Copy the selection and put it on the Clipboard</source>
        <translation>复制所选内容并将其放到剪贴板上</translation>
    </message>
    <message>
        <source>&amp;Paste	Ctrl+V</source>
        <translation>粘贴(&amp;P)	Ctrl+V</translation>
    </message>
    <message>
        <source>Insert Clipboard contents</source>
        <translation>插入剪贴板内容</translation>
    </message>
    <message>
        <source>Select &amp;All	Ctrl+A</source>
        <translation>全选(&amp;A)	Ctrl+A</translation>
    </message>
    <message>
        <source>Select everything in the current window</source>
        <translation>选择当前窗口中的全部内容</translation>
    </message>
    <message>
        <source>&amp;Undo	Ctrl+Z</source>
        <translation>撤销(&amp;U)	Ctrl+Z</translation>
    </message>
    <message>
        <source>Undo the last action</source>
        <translation>撤销上一步操作</translation>
    </message>
    <message>
        <source>Add &amp;Sub Category...</source>
        <translation>添加子类别(&amp;S)...</translation>
    </message>
    <message>
        <source>Add a sub category in this category</source>
        <translation>在此类别中添加子类别</translation>
    </message>
    <message>
        <source>&amp;Remove Category</source>
        <translation>删除类别(&amp;R)</translation>
    </message>
    <message>
        <source>Delete this category</source>
        <translation>删除此类别</translation>
    </message>
    <message>
        <source>&amp;Edit Category...</source>
        <translation>编辑类别(&amp;E)...</translation>
    </message>
    <message>
        <source>Edit this category</source>
        <translation>编辑此类别</translation>
    </message>
    <message>
        <source>Add &amp;Book...	Ins</source>
        <translation>添加图书(&amp;B)...	Ins</translation>
    </message>
    <message>
        <source>Add a new book in the current category</source>
        <translation>在当前类别中添加新图书</translation>
    </message>
    <message>
        <source>&amp;Remove Book	Del</source>
        <translation>删除图书(&amp;R)	Del</translation>
    </message>
    <message>
        <source>Delete selected book(s)</source>
        <translation>删除所选图书</translation>
    </message>
    <message>
        <source>&amp;Edit Book...	Enter</source>
        <translation>编辑图书(&amp;E)...	Enter</translation>
    </message>
    <message>
        <source>Edit selected book</source>
        <translation>编辑所选图书</translation>
    </message>
    <message>
        <source>&amp;Favorites</source>
        <translation>收藏夹(&amp;F)</translation>
    </message>
    <message>
        <source>Add selected book(s) to Favorites</source>
        <translation>将所选图书添加到收藏夹</translation>
    </message>
    <message>
        <source>&amp;Reading List</source>
        <translation>阅读列表(&amp;R)</translation>
    </message>
    <message>
        <source>Add selected book(s) to Reading List</source>
        <translation>将所选图书添加到阅读列表</translation>
    </message>
    <message>
        <source>&amp;Search Results</source>
        <translation>搜索结果(&amp;S)</translation>
    </message>
    <message>
        <source>Add selected book(s) to Search Results</source>
        <translation>将所选图书添加到搜索结果</translation>
    </message>
    <message>
        <source>Basic &amp;Search	Ctrl+F</source>
        <translation>基本搜索(&amp;S)	Ctrl+F</translation>
    </message>
    <message>
        <source>Search in the book collection</source>
        <translation>在藏书中搜索</translation>
    </message>
    <message>
        <source>&amp;Toolbar</source>
        <translation>工具栏(&amp;T)</translation>
    </message>
    <message>
        <source>Show or hide the toolbar</source>
        <translation>显示或隐藏工具栏</translation>
    </message>
    <message>
        <source>&amp;Status Bar</source>
        <translation>状态栏(&amp;S)</translation>
    </message>
    <message>
        <source>Show or hide the status bar</source>
        <translation>显示或隐藏状态栏</translation>
    </message>
    <message>
        <source>&amp;Thumbnails</source>
        <translation>缩略图(&amp;T)</translation>
    </message>
    <message>
        <source>Display thumbnails in book list window</source>
        <translation>在图书列表窗口中显示缩略图</translation>
    </message>
    <message>
        <source>&amp;Details</source>
        <translation>详细信息(&amp;D)</translation>
    </message>
    <message>
        <source>Display details in book list window</source>
        <translation>在图书列表窗口中显示详细信息</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>Refresh current display</source>
        <translation>刷新当前显示</translation>
    </message>
    <message>
        <source>&amp;Compact Database</source>
        <translation>压缩数据库(&amp;C)</translation>
    </message>
    <message>
        <source>Compact the database to save space and improve efficiency</source>
        <translation>压缩数据库以节省空间并提高效率</translation>
    </message>
    <message>
        <source>&amp;Run SQL...</source>
        <translation>执行 SQL(&amp;R)...</translation>
    </message>
    <message>
        <source>Submit SQL statement to the database</source>
        <translation>向数据库提交 SQL 语句</translation>
    </message>
    <message>
        <source>&amp;Options...</source>
        <translation>选项(&amp;O)...</translation>
    </message>
    <message>
        <source>Change Preferences</source>
        <translation>更改首选项</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <source>List Help topics</source>
        <translation>列出帮助主题</translation>
    </message>
    <message>
        <source>&amp;About Tomelodex...</source>
        <translation>关于 Tomelodex(&amp;A)...</translation>
    </message>
    <message>
        <source>Display program information, version number and copyright</source>
        <translation>显示程序信息、版本号和版权</translation>
    </message>
    <message>
        <source>Tomelodex &amp;Website</source>
        <translation>Tomelodex 网站(&amp;W)</translation>
    </message>
    <message>
        <source>Visit our website, where you can find updates and other free apps</source>
        <translation>访问我们的网站，获取更新和其他免费软件</translation>
    </message>
    <message>
        <source>Support &amp;Forum</source>
        <translation>支持论坛(&amp;F)</translation>
    </message>
    <message>
        <source>Visit our forum and submit bug reports, suggestions etc.</source>
        <translation>访问我们的论坛，提交错误报告、建议等</translation>
    </message>
    <message>
        <source>Next Pane	F6</source>
        <translation>下一窗格	F6</translation>
    </message>
    <message>
        <source>Switch to the next window pane</source>
        <translation>切换到下一个窗格</translation>
    </message>
    <message>
        <source>Previous Pane	Shift+F6</source>
        <translation>上一窗格	Shift+F6</translation>
    </message>
    <message>
        <source>Switch back to the previous window pane</source>
        <translation>切换回上一个窗格</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Import</source>
        <translation>导入(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Export</source>
        <translation>导出(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>Sen&amp;d To</source>
        <translation>发送到(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>视图(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
    <message>
        <source>Toolbar</source>
        <translation>工具栏</translation>
    </message>
    <message>
        <source>Ready</source>
        <translation>就绪</translation>
    </message>
    <message>
        <source>Save As &amp;HTML...</source>
        <translation>另存为 &amp;HTML...</translation>
    </message>
    <message>
        <source>Save As &amp;XML...</source>
        <translation>另存为 &amp;XML...</translation>
    </message>
    <message>
        <source>Open this database</source>
        <translation>打开此数据库</translation>
    </message>
    <message>
        <source>&amp;Include Subcategories</source>
        <translation>包括子类别(&amp;I)</translation>
    </message>
    <message>
        <source>List the books of the sub categories in a category too</source>
        <translation>在类别中同时列出其子类别的图书</translation>
    </message>
    <message>
        <source>Sort Authors by &amp;Last Name</source>
        <translation>按姓氏排序作者(&amp;L)</translation>
    </message>
    <message>
        <source>Sort the Author column by the first author&apos;s last name</source>
        <translation>按第一作者的姓氏排序“作者”列</translation>
    </message>
    <message>
        <source>&amp;Columns</source>
        <translation>列(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Tidy Names...</source>
        <translation>整理名称(&amp;N)...</translation>
    </message>
    <message>
        <source>Merge, rename and delete the names of publishers, languages and the like</source>
        <translation>合并、重命名和删除出版社、语言等名称</translation>
    </message>
    <message>
        <source>&amp;Redo	Ctrl+Shift+Z</source>
        <translation>重做(&amp;R)	Ctrl+Shift+Z</translation>
    </message>
    <message>
        <source>Redo the last action undone</source>
        <translation>重做上一个撤消的操作</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤消(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Undo %1</source>
        <translation>撤消(&amp;U) %1</translation>
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
        <translation>备份书库(&amp;B)...</translation>
    </message>
    <message>
        <source>Save the library and its covers in one backup file</source>
        <translation>把书库及其封面保存到一个备份文件中</translation>
    </message>
    <message>
        <source>&amp;Restore from Backup...</source>
        <translation>从备份还原(&amp;R)...</translation>
    </message>
    <message>
        <source>Make a new library from a backup file and open it</source>
        <translation>从备份文件创建一个新书库并打开它</translation>
    </message>
    <message>
        <source>&amp;Lend...</source>
        <translation>借出(&amp;L)...</translation>
    </message>
    <message>
        <source>Record that the selected books are lent to someone</source>
        <translation>记录所选图书已借给某人</translation>
    </message>
    <message>
        <source>Retur&amp;n</source>
        <translation>归还(&amp;N)</translation>
    </message>
    <message>
        <source>Record that the selected books are back today</source>
        <translation>记录所选图书已于今天归还</translation>
    </message>
    <message>
        <source>Borrowed &amp;From...</source>
        <translation>借自(&amp;F)...</translation>
    </message>
    <message>
        <source>Record that the selected books are borrowed from someone</source>
        <translation>记录所选图书是向某人借来的</translation>
    </message>
    <message>
        <source>&amp;CSV...</source>
        <translation>&amp;CSV...</translation>
    </message>
    <message>
        <source>Save the books of the category as a CSV table</source>
        <translation>将该类别的图书保存为 CSV 表格</translation>
    </message>
    <message>
        <source>&amp;Goodreads CSV...</source>
        <translation>&amp;Goodreads CSV...</translation>
    </message>
    <message>
        <source>Save the books of the category as CSV in the columns Goodreads imports</source>
        <translation>将该类别的图书保存为 CSV，使用 Goodreads 导入的各列</translation>
    </message>
</context>
<context>
    <name>HtmlEditor</name>
    <message>
        <source>Cut</source>
        <translation>剪切</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Paste</source>
        <translation>粘贴</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Background Color</source>
        <translation>背景颜色</translation>
    </message>
    <message>
        <source>Left Justify</source>
        <translation>左对齐</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Right Justify</source>
        <translation>右对齐</translation>
    </message>
    <message>
        <source>Ordered List</source>
        <translation>编号列表</translation>
    </message>
    <message>
        <source>Unordered List</source>
        <translation>项目符号列表</translation>
    </message>
    <message>
        <source>Outdent</source>
        <translation>减少缩进</translation>
    </message>
    <message>
        <source>Indent</source>
        <translation>增加缩进</translation>
    </message>
    <message>
        <source>Horizontal Line</source>
        <translation>水平线</translation>
    </message>
    <message>
        <source>Add Hyperlink</source>
        <translation>添加超链接</translation>
    </message>
    <message>
        <source>Insert image</source>
        <translation>插入图片</translation>
    </message>
    <message>
        <source>Switch Design/Preview Mode</source>
        <translation>切换设计/预览模式</translation>
    </message>
</context>
<context>
    <name>Import</name>
    <message>
        <source>%1: reading %2 files is not built yet.</source>
        <translation>%1：尚不支持读取 %2 文件。</translation>
    </message>
    <message>
        <source>%1 is a folder without a calibre library&apos;s metadata.db.</source>
        <translation>%1 是一个没有 calibre 书库 metadata.db 的文件夹。</translation>
    </message>
    <message>
        <source>%1 cannot be read: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is a zip archive without a Tellico collection (tellico.xml) in it.</source>
        <translation>%1 是一个不含 Tellico 收藏（tellico.xml）的 zip 压缩包。</translation>
    </message>
    <message>
        <source>%1 is empty.</source>
        <translation>%1 是空的。</translation>
    </message>
    <message>
        <source>%1 is of no kind the import reads.</source>
        <translation>%1 不是导入功能能读取的文件类型。</translation>
    </message>
    <message>
        <source>%1 is an XML file of no kind the import reads.</source>
        <translation>%1 是导入功能无法读取的 XML 文件。</translation>
    </message>
    <message>
        <source>%1, record %2</source>
        <translation>%1，记录 %2</translation>
    </message>
    <message>
        <source>%1: kept in Notes: %2</source>
        <translation>%1：已保存在备注中：%2</translation>
    </message>
    <message>
        <source>the library has a book with this ISBN already: %1</source>
        <translation>图书库中已有此 ISBN 的图书：%1</translation>
    </message>
    <message>
        <source>(a picture inside the file)</source>
        <translation>（文件内的图片）</translation>
    </message>
    <message>
        <source>the library has a book with this ISBN already, without an empty field the record could fill: %1</source>
        <translation>图书库中已有此 ISBN 的图书，且没有该记录可填写的空字段：%1</translation>
    </message>
    <message>
        <source>%1 (filled in the stored book)</source>
        <translation>%1（已填入已存图书）</translation>
    </message>
    <message>
        <source>Skipped: %1</source>
        <translation>已跳过：%1</translation>
    </message>
    <message>
        <source>Error: %1</source>
        <translation>错误：%1</translation>
    </message>
    <message>
        <source>It has neither a title nor an ISBN.</source>
        <translation>既没有书名也没有 ISBN。</translation>
    </message>
    <message>
        <source>Series number</source>
        <translation>丛书编号</translation>
    </message>
    <message>
        <source>Status</source>
        <translation>状态</translation>
    </message>
    <message>
        <source>Reading started</source>
        <translation>开始阅读</translation>
    </message>
    <message>
        <source>Reading finished</source>
        <translation>读完</translation>
    </message>
    <message>
        <source>Read count</source>
        <translation>阅读次数</translation>
    </message>
    <message>
        <source>Loan to %1</source>
        <translation>借给 %1</translation>
    </message>
    <message>
        <source>Loan</source>
        <translation>借阅</translation>
    </message>
    <message>
        <source>Due date</source>
        <translation>到期日</translation>
    </message>
    <message>
        <source>%1: row %2 has more than %3 fields; the file is no table of books.</source>
        <translation>%1：第 %2 行的字段超过 %3 个；该文件不是图书表格。</translation>
    </message>
    <message>
        <source>%1 cannot be read as a table: %2</source>
        <translation>无法将 %1 作为表格读取：%2</translation>
    </message>
    <message>
        <source>%1: row %2 holds a field of more than %3 MB; is a quote left open?</source>
        <translation>%1：第 %2 行有一个超过 %3 MB 的字段；是否有未闭合的引号？</translation>
    </message>
    <message>
        <source>%1: the quote opened in row %2 is never closed.</source>
        <translation>%1：第 %2 行开始的引号没有闭合。</translation>
    </message>
    <message>
        <source>out of memory</source>
        <translation>内存不足</translation>
    </message>
    <message>
        <source>%1 has no header row.</source>
        <translation>%1 没有标题行。</translation>
    </message>
    <message>
        <source>The text is not valid UTF-8: read as Windows-1252.</source>
        <translation>该文本不是有效的 UTF-8：已按 Windows-1252 读取。</translation>
    </message>
    <message>
        <source>%1 has no column for the title or the ISBN; its columns are: %2.</source>
        <translation>%1 没有书名或 ISBN 列；它的列为：%2。</translation>
    </message>
    <message>
        <source>%1 has no Title column: it is no Goodreads export.</source>
        <translation>%1 没有 Title 列：它不是 Goodreads 导出文件。</translation>
    </message>
    <message>
        <source>%1 has no title column: it is no Libib export.</source>
        <translation>%1 没有 title 列：它不是 Libib 导出文件。</translation>
    </message>
    <message>
        <source>%1 is too large for a LibraryThing export.</source>
        <translation>%1 太大，不可能是 LibraryThing 导出文件。</translation>
    </message>
    <message>
        <source>%1 is no JSON file: %2 at character %3.</source>
        <translation>%1 不是 JSON 文件：第 %3 个字符处%2。</translation>
    </message>
    <message>
        <source>Entry %1 is no book.</source>
        <translation>第 %1 项不是图书。</translation>
    </message>
    <message>
        <source>%1 has no title column: it is no LibraryThing export.</source>
        <translation>%1 没有书名列：它不是 LibraryThing 导出文件。</translation>
    </message>
    <message>
        <source>%1 has no Title column: it is no StoryGraph export.</source>
        <translation>%1 没有 Title 列：它不是 StoryGraph 导出文件。</translation>
    </message>
    <message>
        <source>Field %1</source>
        <translation>字段 %1</translation>
    </message>
    <message>
        <source>Row %1 has %2 fields where the header has %3, and neither a title nor an ISBN can be read from it.</source>
        <translation>第 %1 行有 %2 个字段，而标题行有 %3 个，且无法从中读出书名或 ISBN。</translation>
    </message>
    <message>
        <source>The file is not valid UTF-8 (first in row %1): read as Windows-1252.</source>
        <translation>该文件不是有效的 UTF-8（首次出现在第 %1 行）：已按 Windows-1252 读取。</translation>
    </message>
    <message>
        <source>%1 more rows have more or fewer fields than the header.</source>
        <translation>另有 %1 行的字段数与标题行不同。</translation>
    </message>
    <message>
        <source>Row %1 has %2 fields where the header has %3; its values were kept.</source>
        <translation>第 %1 行有 %2 个字段，而标题行有 %3 个；其值已保留。</translation>
    </message>
    <message>
        <source>%1 was read as Windows-1252: it is not valid UTF-8.</source>
        <translation>%1 已按 Windows-1252 读取：它不是有效的 UTF-8。</translation>
    </message>
    <message>
        <source>%1 is not a GCstar collection.</source>
        <translation>%1 不是 GCstar 收藏。</translation>
    </message>
    <message>
        <source>%1 holds a GCstar collection of the kind %2, not of books: only book collections can be imported.</source>
        <translation>%1 包含类型为 %2 的 GCstar 收藏，而不是图书：只能导入图书收藏。</translation>
    </message>
    <message>
        <source>The item cannot be read: %1</source>
        <translation>无法读取该项目：%1</translation>
    </message>
    <message>
        <source>Front cover</source>
        <translation>封面</translation>
    </message>
    <message>
        <source>Book %1 is imported without its cover: %2 is not there.</source>
        <translation>第 %1 本书导入时没有封面：%2 不存在。</translation>
    </message>
    <message>
        <source>%1 is no zip archive that can be read.</source>
        <translation>%1 不是可读取的 zip 压缩包。</translation>
    </message>
    <message>
        <source>%1 holds more than %2 files.</source>
        <translation>%1 包含超过 %2 个文件。</translation>
    </message>
    <message>
        <source>%1 has no file %2.</source>
        <translation>%1 中没有文件 %2。</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>%1 is encrypted.</source>
        <translation>%1 已加密。</translation>
    </message>
    <message>
        <source>%1 unpacks to more than %2 MiB.</source>
        <translation>%1 解压后超过 %2 MiB。</translation>
    </message>
    <message>
        <source>%1 is damaged.</source>
        <translation>%1 已损坏。</translation>
    </message>
    <message>
        <source>The files in %1 unpack to more than %2 MiB.</source>
        <translation>%1 中的文件解压后超过 %2 MiB。</translation>
    </message>
    <message>
        <source>custom entries</source>
        <translation>自定义条目</translation>
    </message>
    <message>
        <source>videos</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>music albums</source>
        <translation>音乐专辑</translation>
    </message>
    <message>
        <source>bibliography entries</source>
        <translation>文献条目</translation>
    </message>
    <message>
        <source>comic books</source>
        <translation>漫画</translation>
    </message>
    <message>
        <source>wines</source>
        <translation>葡萄酒</translation>
    </message>
    <message>
        <source>coins</source>
        <translation>钱币</translation>
    </message>
    <message>
        <source>stamps</source>
        <translation>邮票</translation>
    </message>
    <message>
        <source>trading cards</source>
        <translation>集换式卡牌</translation>
    </message>
    <message>
        <source>video games</source>
        <translation>电子游戏</translation>
    </message>
    <message>
        <source>files</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>board games</source>
        <translation>桌游</translation>
    </message>
    <message>
        <source>type %1</source>
        <translation>类型 %1</translation>
    </message>
    <message>
        <source>%1 holds a Tellico collection of %2, not of books: only book collections can be imported.</source>
        <translation>%1 包含 %2 的 Tellico 收藏，而不是图书：只能导入图书收藏。</translation>
    </message>
    <message>
        <source>%1 is not a Tellico file.</source>
        <translation>%1 不是 Tellico 文件。</translation>
    </message>
    <message>
        <source>%1 holds no Tellico collection.</source>
        <translation>%1 中没有 Tellico 收藏。</translation>
    </message>
    <message>
        <source>The picture %1 in %2 takes more than %3 MiB and is left out.</source>
        <translation>%2 中的图片 %1 超过 %3 MiB，已略过。</translation>
    </message>
    <message>
        <source>The pictures in %1 are left out: no temporary folder can be made.</source>
        <translation>%1 中的图片已略过：无法创建临时文件夹。</translation>
    </message>
    <message>
        <source>The picture %1 in %2 is left out: %3</source>
        <translation>%2 中的图片 %1 已略过：%3</translation>
    </message>
    <message>
        <source>The entry cannot be read: %1</source>
        <translation>无法读取该条目：%1</translation>
    </message>
    <message>
        <source>Book %1 is imported without its cover: %2</source>
        <translation>第 %1 本书导入时没有封面：%2</translation>
    </message>
    <message>
        <source>Book %1 is imported without its cover: %2 holds no picture %3.</source>
        <translation>第 %1 本书导入时没有封面：%2 中没有图片 %3。</translation>
    </message>
    <message>
        <source>line %1: %2</source>
        <translation>第 %1 行：%2</translation>
    </message>
    <message>
        <source>line %1: one record takes more than %2 MiB of the file</source>
        <translation>第 %1 行：一条记录占用了文件中超过 %2 MiB 的内容</translation>
    </message>
    <message>
        <source>it unpacks to more than %1 MiB</source>
        <translation>解压后超过 %1 MiB</translation>
    </message>
    <message>
        <source>line %1: the file is not well-formed</source>
        <translation>第 %1 行：文件格式不正确</translation>
    </message>
    <message>
        <source>No column &quot;%1&quot; to map; the columns are: %2.</source>
        <translation>没有要映射的列“%1”；现有的列为：%2。</translation>
    </message>
    <message>
        <source>The import was cancelled; nothing of it was kept.</source>
        <translation>导入已取消；未保留任何内容。</translation>
    </message>
</context>
<context>
    <name>LibraryUndo</name>
    <message numerus="yes">
        <source>Add %n Book(s)</source>
        <translation>
            <numerusform>添加 %n 本书</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Book &quot;%1&quot;</source>
        <translation>添加图书“%1”</translation>
    </message>
    <message>
        <source>Edit Book &quot;%1&quot;</source>
        <translation>编辑图书“%1”</translation>
    </message>
    <message>
        <source>Search for &quot;%1&quot;</source>
        <translation>搜索“%1”</translation>
    </message>
    <message numerus="yes">
        <source>Import %n Book(s)</source>
        <translation>
            <numerusform>导入 %n 本书</numerusform>
        </translation>
    </message>
    <message>
        <source>Add Category &quot;%1&quot;</source>
        <translation>添加类别“%1”</translation>
    </message>
    <message>
        <source>Edit Category &quot;%1&quot;</source>
        <translation>编辑类别“%1”</translation>
    </message>
    <message>
        <source>Rename Category &quot;%1&quot; to &quot;%2&quot;</source>
        <translation>将类别“%1”重命名为“%2”</translation>
    </message>
    <message numerus="yes">
        <source>Paste %n Book(s) into %1</source>
        <translation>
            <numerusform>将 %n 本书粘贴到 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Copy %n Book(s) to %1</source>
        <translation>
            <numerusform>将 %n 本书复制到 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Move %n Book(s) to %1</source>
        <translation>
            <numerusform>将 %n 本书移到 %1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Send %n Book(s) to %1</source>
        <translation>
            <numerusform>将 %n 本书发送到 %1</numerusform>
        </translation>
    </message>
    <message>
        <source>Move Category &quot;%1&quot; to &quot;%2&quot;</source>
        <translation>将类别“%1”移到“%2”</translation>
    </message>
    <message numerus="yes">
        <source>Move %n Book(s) to the Recycle Bin</source>
        <translation>
            <numerusform>将 %n 本书移到回收站</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Book(s) for Good</source>
        <translation>
            <numerusform>永久删除 %n 本书</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Remove %n Book(s) from %1</source>
        <translation>
            <numerusform>从 %1 中移除 %n 本书</numerusform>
        </translation>
    </message>
    <message>
        <source>Remove Category &quot;%1&quot;</source>
        <translation>移除类别“%1”</translation>
    </message>
    <message>
        <source>Since &quot;%1&quot;, the books or categories it changed were changed again by another program.

Undoing it now also takes back what that program changed in them.</source>
        <translation>自“%1”以来，它所更改的图书或类别又被另一个程序更改过。

现在撤消它，也会撤回那个程序对它们所做的更改。</translation>
    </message>
    <message>
        <source>Since &quot;%1&quot; was undone, the books or categories it changes were changed by another program.

Redoing it now overwrites what that program changed in them.</source>
        <translation>撤消“%1”之后，它所更改的图书或类别被另一个程序更改过。

现在重做它，会覆盖那个程序对它们所做的更改。</translation>
    </message>
    <message>
        <source>Undo Anyway</source>
        <translation>仍然撤消</translation>
    </message>
    <message>
        <source>Redo Anyway</source>
        <translation>仍然重做</translation>
    </message>
    <message numerus="yes">
        <source>Edit %n Book(s)</source>
        <translation>
            <numerusform>编辑 %n 本书</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Delete %n Name(s)</source>
        <translation>
            <numerusform>删除 %n 个名称</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Merge %n Names into &quot;%1&quot;</source>
        <translation>
            <numerusform>将 %n 个名称合并为“%1”</numerusform>
        </translation>
    </message>
    <message>
        <source>Rename &quot;%1&quot; to &quot;%2&quot;</source>
        <translation>将“%1”重命名为“%2”</translation>
    </message>
    <message numerus="yes">
        <source>Lend %n Book(s)</source>
        <translation>
            <numerusform>借出 %n 本书</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Borrow %n Book(s)</source>
        <translation>
            <numerusform>借入 %n 本书</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Return %n Book(s)</source>
        <translation>
            <numerusform>归还 %n 本书</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Put %n Book(s) into Series %1</source>
        <translation>
            <numerusform>将 %n 本书放入系列 %1</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>Loans</name>
    <message>
        <source>&quot;%1&quot; is not a direction of a loan: lent or borrowed.</source>
        <translation>“%1”不是借阅方向：应为 lent 或 borrowed。</translation>
    </message>
    <message>
        <source>A loan of %1 has no valid date.</source>
        <translation>%1 的一条借阅没有有效日期。</translation>
    </message>
    <message>
        <source>A book can be out on only one loan at a time.</source>
        <translation>一本图书同一时间只能有一条未归还的借阅。</translation>
    </message>
    <message>
        <source>A reading has a date that is no date.</source>
        <translation>某次阅读的日期无效。</translation>
    </message>
    <message>
        <source>Please enter the name of the borrower.</source>
        <translation>请输入借阅人的姓名。</translation>
    </message>
    <message>
        <source>There is already a borrower named %1.</source>
        <translation>已有名为 %1 的借阅人。</translation>
    </message>
    <message>
        <source>The borrower cannot be deleted while loans of theirs are recorded.</source>
        <translation>借阅人仍有借阅记录时不能删除。</translation>
    </message>
    <message>
        <source>The library has no book %1.</source>
        <translation>书库中没有图书 %1。</translation>
    </message>
    <message>
        <source>The due date is before the date of the loan.</source>
        <translation>应还日期早于借出日期。</translation>
    </message>
    <message>
        <source>The book cannot be returned before it was lent or borrowed (%1).</source>
        <translation>图书不能在借出或借入（%1）之前归还。</translation>
    </message>
    <message>
        <source>%1 is already lent to %2 since %3.</source>
        <translation>《%1》自 %3 起已借给 %2。</translation>
    </message>
    <message>
        <source>%1 is borrowed from %2 since %3 and not returned yet.</source>
        <translation>《%1》自 %3 起向 %2 借入，尚未归还。</translation>
    </message>
    <message>
        <source>Book %1 is not out on a loan.</source>
        <translation>图书 %1 没有未归还的借阅。</translation>
    </message>
    <message>
        <source>The loan is no longer in the library.</source>
        <translation>该借阅已不在书库中。</translation>
    </message>
    <message>
        <source>The reading cannot be finished before it started.</source>
        <translation>阅读的结束日期不能早于开始日期。</translation>
    </message>
    <message>
        <source>The reading is no longer in the library.</source>
        <translation>该阅读记录已不在书库中。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number in a series. Please enter a number such as 3 or 2.5.</source>
        <translation>“%1”不是系列中的编号。请输入数字，例如 3 或 2.5。</translation>
    </message>
    <message>
        <source>Please enter the name of the series.</source>
        <translation>请输入系列名称。</translation>
    </message>
    <message>
        <source>There is already a series named %1.</source>
        <translation>已有名为 %1 的系列。</translation>
    </message>
    <message>
        <source>The book is out on a loan: return it first.</source>
        <translation>这本书正在借出或借入中：请先归还。</translation>
    </message>
    <message>
        <source>The book is not out on a loan.</source>
        <translation>这本书没有处于借出或借入状态。</translation>
    </message>
</context>
<context>
    <name>Messages</name>
    <message>
        <source>Characters found after the end of the SQL statement.</source>
        <translation>SQL 语句结束后还有字符。</translation>
    </message>
    <message>
        <source>%1: the library cannot be written, so it was not compacted.</source>
        <translation>%1：书库无法写入，因此未压缩。</translation>
    </message>
    <message>
        <source>Fatal error occurred. Job will be cancelled.</source>
        <translation>发生严重错误。任务将被取消。</translation>
    </message>
    <message>
        <source>The HTTP library could not be initialised.</source>
        <translation>无法初始化 HTTP 库。</translation>
    </message>
    <message>
        <source>No HTTP session could be created.</source>
        <translation>无法创建 HTTP 会话。</translation>
    </message>
    <message>
        <source>The answer is larger than %1 bytes.</source>
        <translation>响应大于 %1 字节。</translation>
    </message>
    <message>
        <source>The server answered with HTTP status %1.</source>
        <translation>服务器返回了 HTTP 状态 %1。</translation>
    </message>
    <message>
        <source>Cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>Open Library is too busy to answer now (HTTP status %1); please try again later.</source>
        <translation>Open Library 当前太忙，无法响应（HTTP 状态 %1）；请稍后再试。</translation>
    </message>
    <message>
        <source>The answer is not the JSON Open Library sends (%1).</source>
        <translation>响应不是 Open Library 发送的 JSON（%1）。</translation>
    </message>
    <message>
        <source>its entities expand to more than %1 MiB of text</source>
        <translation>其实体展开后超过 %1 MiB 文本</translation>
    </message>
    <message>
        <source>it refers to the external entity %1, which is never loaded</source>
        <translation>它引用了外部实体 %1，该实体永远不会被加载</translation>
    </message>
    <message>
        <source>its entities are nested deeper than %1 levels</source>
        <translation>其实体嵌套超过 %1 层</translation>
    </message>
    <message>
        <source>%1 cannot be read.</source>
        <translation>无法读取 %1。</translation>
    </message>
    <message>
        <source>line %1: the file is not well-formed</source>
        <translation>第 %1 行：文件格式不正确</translation>
    </message>
    <message>
        <source>After book %1, %2</source>
        <translation>在第 %1 本书之后，%2</translation>
    </message>
    <message>
        <source>The file refers to the external resource %1, which is never loaded.</source>
        <translation>文件引用了外部资源 %1，该资源永远不会被加载。</translation>
    </message>
    <message>
        <source>The document is larger than %1 MiB.</source>
        <translation>文档大于 %1 MiB。</translation>
    </message>
    <message>
        <source>Out of memory.</source>
        <translation>内存不足。</translation>
    </message>
    <message>
        <source>Entity references expand to more than %1 MiB of text.</source>
        <translation>实体引用展开后超过 %1 MiB 文本。</translation>
    </message>
    <message>
        <source>The document refers to %1, which is not loaded.</source>
        <translation>文档引用了 %1，但它不会被加载。</translation>
    </message>
    <message>
        <source>The document is not well-formed.</source>
        <translation>文档格式不正确。</translation>
    </message>
    <message>
        <source>The document&apos;s DTD refers to %1, which is not loaded.</source>
        <translation>文档的 DTD 引用了 %1，但它不会被加载。</translation>
    </message>
    <message>
        <source>%1 is not a file.</source>
        <translation>%1 不是文件。</translation>
    </message>
    <message>
        <source>Cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>%1 is not read: style sheets include only files beside them.</source>
        <translation>未读取 %1：样式表只包含其旁边的文件。</translation>
    </message>
    <message>
        <source>%1 is not a local file; web addresses are fetched by the HTTP client.</source>
        <translation>%1 不是本地文件；网址由 HTTP 客户端获取。</translation>
    </message>
    <message>
        <source>%1 is not a local file.</source>
        <translation>%1 不是本地文件。</translation>
    </message>
    <message>
        <source>No file was named.</source>
        <translation>未指定文件。</translation>
    </message>
    <message>
        <source>No document is loaded.</source>
        <translation>未加载文档。</translation>
    </message>
    <message>
        <source>No style sheet is loaded.</source>
        <translation>未加载样式表。</translation>
    </message>
    <message>
        <source>The style sheet is not a valid XSLT style sheet.</source>
        <translation>该样式表不是有效的 XSLT 样式表。</translation>
    </message>
    <message>
        <source>The transformation failed.</source>
        <translation>转换失败。</translation>
    </message>
    <message>
        <source>The transformation result cannot be written.</source>
        <translation>无法写入转换结果。</translation>
    </message>
    <message>
        <source>The transfer was cancelled.</source>
        <translation>传输已取消。</translation>
    </message>
    <message>
        <source>Loading XML from %s...</source>
        <translation>正在从 %s 加载 XML...</translation>
    </message>
    <message>
        <source>Downloading cover...</source>
        <translation>正在下载封面...</translation>
    </message>
    <message>
        <source>Parsing html...</source>
        <translation>正在解析 HTML...</translation>
    </message>
    <message>
        <source>Error message returned from Amazon:
%s</source>
        <translation>Amazon 返回的错误消息：
%s</translation>
    </message>
    <message>
        <source>Unable to download the cover picture.</source>
        <translation>无法下载封面图片。</translation>
    </message>
    <message>
        <source>Unable to download the html page.</source>
        <translation>无法下载 HTML 页面。</translation>
    </message>
    <message>
        <source>Failed to load book info from Open Library:
%1</source>
        <translation>无法从 Open Library 加载图书信息：
%1</translation>
    </message>
    <message>
        <source>Open Library asks to wait: trying again in %1 s...</source>
        <translation>Open Library 要求等待：%1 秒后重试...</translation>
    </message>
    <message>
        <source>Keeping to Open Library&apos;s request limit: waiting %1 s...</source>
        <translation>遵守 Open Library 的请求限制：等待 %1 秒...</translation>
    </message>
    <message>
        <source>Loading book info from Open Library...</source>
        <translation>正在从 Open Library 加载图书信息...</translation>
    </message>
    <message>
        <source>Error message returned from Open Library:
%1 is not a book Open Library knows.</source>
        <translation>Open Library 返回的错误消息：
Open Library 不知道 %1 这本书。</translation>
    </message>
    <message>
        <source>No valid results found.
Note: e-books are ignored.</source>
        <translation>未找到有效结果。
注意：电子书已被忽略。</translation>
    </message>
    <message>
        <source>Error: </source>
        <translation>错误：</translation>
    </message>
    <message>
        <source>The answer for %1 has no title, so it is not taken as a book.</source>
        <translation>%1 的回答没有书名，因此不作为图书采用。</translation>
    </message>
    <message>
        <source>its elements are nested deeper than %1 levels</source>
        <translation>其元素嵌套超过 %1 层</translation>
    </message>
    <message>
        <source>line %1: one element takes more than %2 MiB of the file, more than any book a library holds</source>
        <translation>第 %1 行：一个元素占用文件超过 %2 MiB，超过书库能保存的任何图书</translation>
    </message>
    <message>
        <source>Elements are nested beyond a depth of %1.</source>
        <translation>元素嵌套深度超过 %1。</translation>
    </message>
    <message>
        <source>%1 cannot be opened: the library lacks %2, which this program needs.</source>
        <translation>无法打开 %1：该书库缺少本程序所需的%2。</translation>
    </message>
    <message>
        <source>%1 was written by a newer version of Tomelodex (library version %2; this version knows library versions up to %3). It is open read-only: its books can be listed, viewed and exported, but not changed.</source>
        <translation>%1 由更新版本的 Tomelodex 写入（书库版本 %2；本版本只认识到版本 %3 为止的书库）。它以只读方式打开：其中的图书可以列出、查看和导出，但不能修改。</translation>
    </message>
    <message>
        <source>%1 was not upgraded to library version %2, because no copy of it could be kept as %3: %4</source>
        <translation>%1 未升级到书库版本 %2，因为无法将其副本保存为 %3：%4</translation>
    </message>
    <message>
        <source>%1 could not be upgraded to library version %2: %3</source>
        <translation>无法将 %1 升级到书库版本 %2：%3</translation>
    </message>
    <message>
        <source>the table %1</source>
        <translation>表 %1</translation>
    </message>
    <message>
        <source>the column %1.%2</source>
        <translation>列 %1.%2</translation>
    </message>
    <message>
        <source>%1 (discontinued service)</source>
        <translation>%1（已停止的服务）</translation>
    </message>
    <message>
        <source>%1 has %2 characters, but the library keeps at most %3 for it. Please shorten it.</source>
        <translation>“%1”有 %2 个字符，但书库最多只能保存 %3 个。请缩短。</translation>
    </message>
    <message numerus="yes">
        <source>%n result(s) found, %1. Current page: %2  (Note: Some e-books might have been filtered.)</source>
        <translation>
            <numerusform>找到 %n 个结果，%1。当前页：%2（注意：部分电子书可能已被过滤。）</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n page(s)</source>
        <translation>
            <numerusform>共 %n 页</numerusform>
        </translation>
    </message>
    <message>
        <source>%1: the table&apos;s columns changed.</source>
        <translation>%1：该表的列已更改。</translation>
    </message>
    <message>
        <source>The library&apos;s triggers keep changing the rows written back.</source>
        <translation>图书库的触发器不断更改写回的行。</translation>
    </message>
    <message>
        <source>The replacement makes %1 of &quot;%2&quot; %3 characters long, but the library keeps at most %4 for it.</source>
        <translation>替换后“%2”的 %1 将有 %3 个字符，但书库最多只能保存 %4 个。</translation>
    </message>
    <message>
        <source>Type the text to find.</source>
        <translation>请输入要查找的文字。</translation>
    </message>
    <message>
        <source>The regular expression is not valid: %1.</source>
        <translation>正则表达式无效：%1。</translation>
    </message>
    <message>
        <source>A category cannot be both joined and left.</source>
        <translation>不能同时将书添加到并移出同一个类别。</translation>
    </message>
    <message>
        <source>A chosen category is no longer in the library.</source>
        <translation>所选的某个类别已不在书库中。</translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) found; %1 imported into the categories the file names.</source>
        <translation>
            <numerusform>找到 %n 本书；已将 %1 本导入文件指定的类别。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n [category was|categories were] created.</source>
        <translation>
            <numerusform>已创建 %n 个类别。</numerusform>
        </translation>
    </message>
    <message>
        <source>%1 (computed by calibre)</source>
        <translation>%1（由 calibre 计算）</translation>
    </message>
    <message>
        <source>%1 (its table cannot be read)</source>
        <translation>%1（无法读取其表）</translation>
    </message>
    <message>
        <source>%1 is not a calibre library: it holds no %2.</source>
        <translation>%1 不是 calibre 书库：其中没有 %2。</translation>
    </message>
    <message>
        <source>%1 cannot be read: there is no such file.</source>
        <translation>无法读取 %1：没有这个文件。</translation>
    </message>
    <message>
        <source>%1 cannot be read as a calibre library: %2.</source>
        <translation>无法将 %1 作为 calibre 书库读取：%2。</translation>
    </message>
    <message>
        <source>%1 has no tables %2; what calibre keeps in them was not read.</source>
        <translation>%1 没有表 %2；calibre 保存在其中的内容未被读取。</translation>
    </message>
    <message>
        <source>Columns of %1 not imported: %2.</source>
        <translation>%1 中未导入的列：%2。</translation>
    </message>
    <message>
        <source>%1 is being changed by another program, or a change to it was broken off (%2 lies beside it). Close calibre, or open and close the library in it, and try again.</source>
        <translation>%1 正在被另一个程序修改，或对它的修改被中断（旁边有 %2）。请关闭 calibre，或在 calibre 中打开再关闭该书库，然后重试。</translation>
    </message>
    <message>
        <source>%1 is not a calibre library this program can read: it has no table %2.</source>
        <translation>%1 不是本程序能读取的 calibre 书库：它没有表 %2。</translation>
    </message>
    <message>
        <source>%1 is not a calibre library this program can read: its table %2 has no column %3.</source>
        <translation>%1 不是本程序能读取的 calibre 书库：其表 %2 没有列 %3。</translation>
    </message>
    <message>
        <source>%1 cannot be read on after book %2: %3.</source>
        <translation>在第 %2 本书之后无法继续读取 %1：%3。</translation>
    </message>
    <message>
        <source>Date added to calibre</source>
        <translation>添加到 calibre 的日期</translation>
    </message>
    <message>
        <source>Identifier %1</source>
        <translation>标识符 %1</translation>
    </message>
    <message>
        <source>Missing eBook file</source>
        <translation>缺失的电子书文件</translation>
    </message>
</context>
<context>
    <name>OutputFile</name>
    <message>
        <source>Cannot write %1:
%2</source>
        <translation>无法写入 %1：
%2</translation>
    </message>
    <message>
        <source>standard output</source>
        <translation>标准输出</translation>
    </message>
    <message>
        <source>it is no longer a regular file, so it was left as it is</source>
        <translation>它已不再是普通文件，因此保持原样</translation>
    </message>
    <message>
        <source>no program reads from it</source>
        <translation>没有程序在读取它</translation>
    </message>
</context>
<context>
    <name>Settings</name>
    <message>
        <source>Tomelodex: %1 is not a settings file (a regular file of at most 1 MB); it is left alone, the settings start from their defaults and changes to them are not kept.</source>
        <translation>Tomelodex: %1 不是设置文件（最大 1 MB 的普通文件）；程序不会改动它，设置从默认值开始，对设置的更改不会保存。</translation>
    </message>
</context>
<context>
    <name>StringTable</name>
    <message>
        <source>Simplified Chinese</source>
        <comment>129</comment>
        <translation>简体中文</translation>
    </message>
    <message>
        <source>Traditional Chinese</source>
        <comment>130</comment>
        <translation>繁体中文</translation>
    </message>
    <message>
        <source>English</source>
        <comment>131</comment>
        <translation>英语</translation>
    </message>
    <message>
        <source>Unable to create directory:
%s</source>
        <comment>140</comment>
        <translation>无法创建目录：
%s</translation>
    </message>
    <message>
        <source>SQL statement cannot be empty.</source>
        <comment>157</comment>
        <translation>SQL 语句不能为空。</translation>
    </message>
    <message>
        <source>Records affected: %1
Number of records in the returned recordset: %2</source>
        <comment>163</comment>
        <translation>受影响的记录数：%1
返回的记录集中的记录数：%2</translation>
    </message>
    <message>
        <source>Cannot create file:
%s</source>
        <comment>166</comment>
        <translation>无法创建文件：
%s</translation>
    </message>
    <message>
        <source>Hardcover</source>
        <comment>211</comment>
        <translation>精装</translation>
    </message>
    <message>
        <source>Paperback</source>
        <comment>212</comment>
        <translation>平装</translation>
    </message>
    <message>
        <source>Unknown Binding</source>
        <comment>213</comment>
        <translation>未知装帧</translation>
    </message>
    <message>
        <source>Floppy Disk</source>
        <comment>214</comment>
        <translation>软盘</translation>
    </message>
    <message>
        <source>English</source>
        <comment>215</comment>
        <translation>英语</translation>
    </message>
    <message>
        <source>Book Collection</source>
        <comment>218</comment>
        <translation>图书收藏</translation>
    </message>
    <message>
        <source>In Collection</source>
        <comment>219</comment>
        <translation>已收藏</translation>
    </message>
    <message>
        <source>Wish List</source>
        <comment>220</comment>
        <translation>愿望清单</translation>
    </message>
    <message>
        <source>Reference Only</source>
        <comment>221</comment>
        <translation>仅供参考</translation>
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
        <translation>收藏夹</translation>
    </message>
    <message>
        <source>Search Results</source>
        <comment>225</comment>
        <translation>搜索结果</translation>
    </message>
    <message>
        <source>Reading List</source>
        <comment>226</comment>
        <translation>阅读列表</translation>
    </message>
    <message>
        <source>Title</source>
        <comment>186</comment>
        <translation>书名</translation>
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
        <translation>全部图书</translation>
    </message>
    <message>
        <source>Recycle Bin</source>
        <comment>228</comment>
        <translation>回收站</translation>
    </message>
    <message>
        <source>Operation failed.</source>
        <comment>234</comment>
        <translation>操作失败。</translation>
    </message>
    <message>
        <source>Database has been compacted successfully (from %1 to %2).</source>
        <comment>235</comment>
        <translation>数据库已成功压缩（从 %1 到 %2）。</translation>
    </message>
    <message>
        <source>Tomelodex</source>
        <comment>57344</comment>
        <translation>Tomelodex</translation>
    </message>
    <message>
        <source>The program could not be initialised.</source>
        <comment>100</comment>
        <translation>无法初始化程序。</translation>
    </message>
    <message>
        <source>Cannot paste: source category does not exist.</source>
        <comment>132</comment>
        <translation>无法粘贴：源类别不存在。</translation>
    </message>
    <message>
        <source>Cannot paste: destination cannot be the source category itself, its parent category, or its sub categories.</source>
        <comment>133</comment>
        <translation>无法粘贴：目标不能是源类别本身、其父类别或其子类别。</translation>
    </message>
    <message>
        <source>Cannot open file for writing.</source>
        <comment>135</comment>
        <translation>无法打开文件进行写入。</translation>
    </message>
    <message>
        <source>Failed to instantiate an XML/XSL DOM.</source>
        <comment>136</comment>
        <translation>无法创建 XML/XSL DOM 实例。</translation>
    </message>
    <message>
        <source>Failed to load XML.</source>
        <comment>137</comment>
        <translation>无法加载 XML。</translation>
    </message>
    <message>
        <source>Failed to load XSL.</source>
        <comment>138</comment>
        <translation>无法加载 XSL。</translation>
    </message>
    <message>
        <source>Operation failed. Please make sure the following is a valid path:
%s</source>
        <comment>139</comment>
        <translation>操作失败。请确认以下路径有效：
%s</translation>
    </message>
    <message>
        <source>Failed to load book info from XML source.</source>
        <comment>143</comment>
        <translation>无法从 XML 源加载图书信息。</translation>
    </message>
    <message>
        <source>No valid ISBN was found.</source>
        <comment>147</comment>
        <translation>未找到有效的 ISBN。</translation>
    </message>
    <message>
        <source>Book title cannot be empty.</source>
        <comment>155</comment>
        <translation>书名不能为空。</translation>
    </message>
    <message>
        <source>Please select one item from the list.</source>
        <comment>156</comment>
        <translation>请从列表中选择一项。</translation>
    </message>
    <message>
        <source>URL is not valid.</source>
        <comment>158</comment>
        <translation>网址无效。</translation>
    </message>
    <message>
        <source>File does not exist.</source>
        <comment>159</comment>
        <translation>文件不存在。</translation>
    </message>
    <message>
        <source>Folder does not exist.</source>
        <comment>160</comment>
        <translation>文件夹不存在。</translation>
    </message>
    <message>
        <source>No CSS files found.</source>
        <comment>164</comment>
        <translation>未找到 CSS 文件。</translation>
    </message>
    <message>
        <source>Category name cannot be empty.</source>
        <comment>165</comment>
        <translation>类别名称不能为空。</translation>
    </message>
    <message>
        <source>Link title and path cannot be empty.</source>
        <comment>167</comment>
        <translation>链接标题和路径不能为空。</translation>
    </message>
    <message>
        <source>Add New Category</source>
        <comment>174</comment>
        <translation>添加新类别</translation>
    </message>
    <message>
        <source>Edit Category</source>
        <comment>175</comment>
        <translation>编辑类别</translation>
    </message>
    <message>
        <source>Add Book</source>
        <comment>176</comment>
        <translation>添加图书</translation>
    </message>
    <message>
        <source>Edit Book</source>
        <comment>177</comment>
        <translation>编辑图书</translation>
    </message>
    <message>
        <source>Add Link</source>
        <comment>178</comment>
        <translation>添加链接</translation>
    </message>
    <message>
        <source>Edit Link</source>
        <comment>179</comment>
        <translation>编辑链接</translation>
    </message>
    <message>
        <source>Options</source>
        <comment>180</comment>
        <translation>选项</translation>
    </message>
    <message>
        <source>Display &amp;Style</source>
        <comment>181</comment>
        <translation>显示样式(&amp;S)</translation>
    </message>
    <message>
        <source>Please select a folder from the list:</source>
        <comment>191</comment>
        <translation>请从列表中选择一个文件夹：</translation>
    </message>
    <message>
        <source>eBook folder</source>
        <comment>192</comment>
        <translation>电子书文件夹</translation>
    </message>
    <message>
        <source>Source code folder</source>
        <comment>193</comment>
        <translation>源代码文件夹</translation>
    </message>
    <message>
        <source>eBook file</source>
        <comment>194</comment>
        <translation>电子书文件</translation>
    </message>
    <message>
        <source>Other info</source>
        <comment>195</comment>
        <translation>其他信息</translation>
    </message>
    <message>
        <source>Author&apos;s website</source>
        <comment>196</comment>
        <translation>作者网站</translation>
    </message>
    <message>
        <source>This book on publisher&apos;s website</source>
        <comment>197</comment>
        <translation>出版社网站上的本书</translation>
    </message>
    <message>
        <source>&lt;body style=&quot;font-family: Georgia, &apos;Times New Roman&apos;, Times, serif&quot;&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;font color=&quot;#cc6633&quot; size=&quot;7&quot;&gt;Welcome to Tomelodex&lt;/font&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Brindlewood Software&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://www.brindlewood.example/&quot;&gt;www.brindlewood.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;</source>
        <comment>198</comment>
        <translation>&lt;body style=&quot;font-family: Georgia, &apos;Times New Roman&apos;, Times, &apos;Noto Serif CJK SC&apos;, serif&quot;&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p&gt;&amp;nbsp;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;font color=&quot;#cc6633&quot; size=&quot;7&quot;&gt;欢迎使用 Tomelodex&lt;/font&gt;&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;Brindlewood Software&lt;/p&gt;&lt;p align=&quot;center&quot;&gt;&lt;a href=&quot;https://www.brindlewood.example/&quot;&gt;www.brindlewood.example&lt;/a&gt;&lt;/p&gt;&lt;/body&gt;</translation>
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
        <translation>Tomelodex 图书信息</translation>
    </message>
    <message>
        <source>No XSL files found.</source>
        <comment>202</comment>
        <translation>未找到 XSL 文件。</translation>
    </message>
    <message>
        <source>Content &amp;Template</source>
        <comment>203</comment>
        <translation>内容模板(&amp;T)</translation>
    </message>
    <message>
        <source>Unable to copy the cover picture to the following location:
%s</source>
        <comment>204</comment>
        <translation>无法将封面图片复制到以下位置：
%s</translation>
    </message>
    <message>
        <source>All Pictures (*.jpg; *.jpeg; *.gif; *.bmp)|*.jpg;*.jpeg;*.gif;*.bmp|JPEG Files (*.jpg; *.jpeg)|*.jpg;*.jpeg|GIF Files (*.gif)|*.gif|Windows Bitmap (*.bmp)|*.bmp||</source>
        <comment>206</comment>
        <translation>所有图片 (*.jpg; *.jpeg; *.gif; *.bmp)|*.jpg;*.jpeg;*.gif;*.bmp|JPEG 文件 (*.jpg; *.jpeg)|*.jpg;*.jpeg|GIF 文件 (*.gif)|*.gif|Windows 位图 (*.bmp)|*.bmp||</translation>
    </message>
    <message>
        <source>Tomelodex Databases (*.mdb)|*.mdb||</source>
        <comment>207</comment>
        <translation>Tomelodex 数据库 (*.mdb)|*.mdb||</translation>
    </message>
    <message>
        <source>HTML Files (*.htm, *.html)|*.htm;*.html||</source>
        <comment>208</comment>
        <translation>HTML 文件 (*.htm, *.html)|*.htm;*.html||</translation>
    </message>
    <message>
        <source>XML Files (*.xml)|*.xml||</source>
        <comment>209</comment>
        <translation>XML 文件 (*.xml)|*.xml||</translation>
    </message>
    <message>
        <source>All Files (*.*)|*.*|Compiled HTML Help Files (*.chm)|*.chm|Acrobat PDF Files (*.pdf)|*.pdf|Compressed Files (*.zip; *.rar)|*.zip;*.rar||</source>
        <comment>210</comment>
        <translation>所有文件 (*.*)|*.*|已编译的 HTML 帮助文件 (*.chm)|*.chm|Acrobat PDF 文件 (*.pdf)|*.pdf|压缩文件 (*.zip; *.rar)|*.zip;*.rar||</translation>
    </message>
    <message>
        <source>Please enter a search keyword.</source>
        <comment>229</comment>
        <translation>请输入搜索关键字。</translation>
    </message>
    <message>
        <source>No search results found.</source>
        <comment>230</comment>
        <translation>未找到搜索结果。</translation>
    </message>
    <message>
        <source>This book already exists in the database:
%s
Would you like to skip this one?
Click &quot;No&quot; to add this book anyway.</source>
        <comment>238</comment>
        <translation>数据库中已存在此书：
%s
是否跳过此书？
单击“否”仍然添加此书。</translation>
    </message>
    <message>
        <source>Progress</source>
        <comment>240</comment>
        <translation>进度</translation>
    </message>
    <message>
        <source>Searching ISBN...</source>
        <comment>241</comment>
        <translation>正在搜索 ISBN...</translation>
    </message>
    <message>
        <source>Data validation failed. Is any field too long?</source>
        <comment>242</comment>
        <translation>数据验证失败。是否有字段过长？</translation>
    </message>
    <message>
        <source>%1 imported, %2 skipped, %3 failed.</source>
        <comment>243</comment>
        <translation>已导入 %1 本，跳过 %2 本，失败 %3 本。</translation>
    </message>
    <message>
        <source>The library is in use by another program; waiting until it is free...</source>
        <comment>244</comment>
        <translation>书库正被其他程序使用；正在等待其释放...</translation>
    </message>
    <message>
        <source>The library is in use by another program. Nothing was imported.</source>
        <comment>245</comment>
        <translation>书库正被其他程序使用。未导入任何内容。</translation>
    </message>
    <message>
        <source>The import was stopped and nothing of it was kept:
%1</source>
        <comment>246</comment>
        <translation>导入已停止，未保留任何导入内容：
%1</translation>
    </message>
    <message>
        <source>Book %1: the cover %2 was not copied: %3.</source>
        <comment>247</comment>
        <translation>图书 %1：封面 %2 未复制：%3。</translation>
    </message>
    <message>
        <source>it does not exist or cannot be read</source>
        <comment>248</comment>
        <translation>文件不存在或无法读取</translation>
    </message>
    <message>
        <source>it is not a regular file</source>
        <comment>249</comment>
        <translation>不是普通文件</translation>
    </message>
    <message>
        <source>it is larger than %1 MB</source>
        <comment>250</comment>
        <translation>大于 %1 MB</translation>
    </message>
    <message>
        <source>it is not a JPEG, GIF, PNG or BMP picture</source>
        <comment>251</comment>
        <translation>不是 JPEG、GIF、PNG 或 BMP 图片</translation>
    </message>
    <message>
        <source>For Help, press F1</source>
        <comment>57345</comment>
        <translation>如需帮助，请按 F1</translation>
    </message>
    <message numerus="yes">
        <source>%n [duplicate was|duplicates were] not saved.</source>
        <comment>162</comment>
        <translation>
            <numerusform>有 %n 个重复项未保存。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s); %1 selected</source>
        <comment>168</comment>
        <translation>
            <numerusform>%n 本书；已选 %1 本</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s), %1</source>
        <comment>182</comment>
        <translation>
            <numerusform>%n 本书，%1</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n book(s) found; %1 imported to the current category.</source>
        <comment>233</comment>
        <translation>
            <numerusform>找到 %n 本书；已将 %1 本导入当前类别。</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>(%n more [cover was|covers were] not copied.)</source>
        <comment>252</comment>
        <translation>
            <numerusform>（另有 %n 个封面未复制。）</numerusform>
        </translation>
    </message>
</context>
</TS>
