<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
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
        <source>%d duplicate(s) are not saved.</source>
        <comment>162</comment>
        <translation>%d 个重复项未保存。</translation>
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
        <source>%1 books; %2 selected</source>
        <comment>168</comment>
        <translation>%1 本书；已选 %2 本</translation>
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
</context>
</TS>
