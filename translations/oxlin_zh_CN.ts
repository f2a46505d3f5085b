<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>NotebookMessages</name>
    <message>
        <source>please input a validate name.<byte value="xd"/>
</source>
        <translation>请输入有效的名称。<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>A notebook name can have at most %1 characters.</source>
        <translation>笔记本名称最多只能有 %1 个字符。</translation>
    </message>
    <message>
        <source>A notebook name cannot begin with &quot;.&quot;, end with &quot;.&quot; or a blank, or contain / \ : * ? &quot; &lt; &gt; | or control characters.</source>
        <translation>笔记本名称不能以“.”开头，不能以“.”或空格结尾，也不能包含 / \ : * ? &quot; &lt; &gt; | 或控制字符。</translation>
    </message>
    <message>
        <source>This name is reserved; please input another name.</source>
        <translation>此名称为保留名称，请输入其他名称。</translation>
    </message>
    <message>
        <source>A notebook name cannot end in &quot;%1&quot;, the ending of notebook packages.</source>
        <translation>笔记本名称不能以“%1”结尾，这是笔记本包文件的扩展名。</translation>
    </message>
    <message>
        <source>Delete the notebook &quot;%1&quot;? It cannot be undone.</source>
        <translation>要删除笔记本“%1”吗？此操作无法撤消。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already exist, please input another name.</source>
        <translation>“%1”已存在，请输入其他名称。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be a notebook&apos;s name here: &quot;%2&quot; is in its place. Please input another name.</source>
        <translation>“%1”不能用作此处的笔记本名称：该位置已有“%2”。请输入其他名称。</translation>
    </message>
    <message>
        <source>The open topic could not be saved, so &quot;%1&quot; was not opened and the topic keeps its text. Copy the text elsewhere or free some disk space, then try again.</source>
        <translation>无法保存当前打开的主题，因此未打开“%1”，该主题的文本仍然保留。请将文本复制到别处或释放一些磁盘空间，然后重试。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is already open.</source>
        <translation>“%1”已经打开。</translation>
    </message>
    <message>
        <source>You can&apos;t delete the opened book.</source>
        <translation>不能删除已打开的笔记本。</translation>
    </message>
    <message>
        <source>The notebook &quot;%1&quot; could not be deleted.</source>
        <translation>无法删除笔记本“%1”。</translation>
    </message>
    <message>
        <source>The notebook &quot;%1&quot; could not be opened: %2</source>
        <translation>无法打开笔记本“%1”：%2</translation>
    </message>
    <message>
        <source>Could not save the notebook: %1</source>
        <translation>无法保存笔记本：%1</translation>
    </message>
    <message>
        <source>the working folder &quot;%1&quot; is a symbolic link</source>
        <translation>工作文件夹“%1”是一个符号链接</translation>
    </message>
    <message>
        <source>%1 topic files could not be unpacked into &quot;%2&quot; (is the disk full?)</source>
        <translation>有 %1 个主题文件无法解包到“%2”（磁盘是否已满？）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be written (is the disk full?)</source>
        <translation>无法写入“%1”（磁盘是否已满？）</translation>
    </message>
    <message>
        <source>the notebook holds %1 topic files, more than the %2 a package can hold; move some topics to another notebook</source>
        <translation>笔记本含有 %1 个主题文件，超过了一个包文件最多可容纳的 %2 个；请将部分主题移到另一个笔记本中</translation>
    </message>
    <message>
        <source>the package &quot;%1&quot; could not be written (%2)</source>
        <translation>无法写入包文件“%1”（%2）</translation>
    </message>
    <message>
        <source>the package &quot;%1&quot; could not be written (is the disk full, or does the notebook hold more topics than a package can?)</source>
        <translation>无法写入包文件“%1”（磁盘是否已满？或者笔记本中的主题是否超过了包文件可容纳的数量？）</translation>
    </message>
    <message>
        <source>the open topic or the tree could not be written into the working folder &quot;%1&quot; (is the disk full?)</source>
        <translation>无法将打开的主题或主题树写入工作文件夹“%1”（磁盘是否已满？）</translation>
    </message>
    <message>
        <source>the working folder &quot;%1&quot; could not be created (is the disk full, or is something else in its place?)</source>
        <translation>无法创建工作文件夹“%1”（磁盘是否已满？或者该位置是否已有其他内容？）</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; cannot be written to</source>
        <translation>无法写入文件夹“%1”</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged, and no copy of it could be kept aside (is the disk full?)</source>
        <translation>“%1”已损坏，且无法另存一份副本（磁盘是否已满？）</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was changed by another program and cannot be read, so it was neither merged nor replaced (is it still being copied?)</source>
        <translation>“%1”已被其他程序更改且无法读取，因此既未合并也未替换（是否仍在复制中？）</translation>
    </message>
    <message>
        <source>the folder &quot;%1&quot; belongs to the notebook open on another machine; it was left alone and the notebook was opened from its package</source>
        <translation>文件夹“%1”属于在另一台计算机上打开的笔记本；该文件夹保持不变，笔记本已从其包文件打开</translation>
    </message>
    <message>
        <source>The notebook was opened, but %1.
Free some disk space and save soon, or what you change may not be kept.</source>
        <translation>笔记本已打开，但%1。
请释放一些磁盘空间并尽快保存，否则所做的更改可能无法保留。</translation>
    </message>
    <message>
        <source>No application is set up to open %1.</source>
        <translation>没有设置用于打开 %1 的应用程序。</translation>
    </message>
    <message>
        <source>%1 could not be taken out of the notebook whole (its topic file is damaged, or the disk is full), so it was not opened.</source>
        <translation>无法从笔记本中完整取出 %1（其主题文件已损坏，或磁盘已满），因此未将其打开。</translation>
    </message>
    <message>
        <source>The notebook cannot be saved: %1.
What you change now will be lost when Oxlin ends.</source>
        <translation>无法保存笔记本：%1。
现在所做的更改将在 Oxlin 退出时丢失。</translation>
    </message>
    <message>
        <source>The notebook package &quot;%1&quot; is damaged and could not be read.</source>
        <translation>笔记本包文件“%1”已损坏，无法读取。</translation>
    </message>
    <message>
        <source>The notebook package &quot;%1&quot; is damaged and could not be read.
It was kept unchanged as &quot;%2&quot;; the notebook opens without it.</source>
        <translation>笔记本包文件“%1”已损坏，无法读取。
该文件已原样保存为“%2”；笔记本将不含其内容打开。</translation>
    </message>
    <message>
        <source>The list of topics in &quot;%1&quot; is damaged and could not be read.
The topics found were put under &quot;Recovered&quot;.%2</source>
        <translation>“%1”中的主题列表已损坏，无法读取。
找到的主题已放入“Recovered”文件夹。%2</translation>
    </message>
    <message>
        <source>
The damaged list was kept as &quot;%1&quot;.</source>
        <translation>
损坏的列表已保存为“%1”。</translation>
    </message>
    <message>
        <source>The notebook cannot be opened: %1.
Nothing in it will be changed or saved.</source>
        <translation>无法打开笔记本：%1。
其中的任何内容都不会被更改或保存。</translation>
    </message>
    <message>
        <source>Some topics of &quot;%1&quot; could not be unpacked (is the disk full?).
The package was kept unchanged as &quot;%2&quot;.</source>
        <translation>“%1”中的部分主题无法解包（磁盘是否已满？）。
包文件已原样保存为“%2”。</translation>
    </message>
    <message>
        <source>The list of topics in &quot;%1&quot; held entries that could not be read as they were: %2 over-long lines and %3 over-long labels were left out, %4 folders without a name were named &quot;(no name)&quot;, and %5 topics got new file numbers.</source>
        <translation>“%1”中的主题列表含有无法按原样读取的条目：已略去 %2 个过长的行和 %3 个过长的标签，%4 个没有名称的文件夹已命名为“(no name)”，%5 个主题获得了新的文件编号。</translation>
    </message>
    <message>
        <source>Merged changes made on another machine.</source>
        <translation>已合并在另一台计算机上所做的更改。</translation>
    </message>
    <message numerus="yes">
        <source>Merged changes made on another machine; %n topic(s) changed on both are kept twice.</source>
        <translation>
            <numerusform>已合并在另一台计算机上所做的更改；两边都更改过的 %n 个主题同时保留了两个版本。</numerusform>
        </translation>
    </message>
    <message>
        <source>Another copy of %1 was made on another machine on %2. Merge it in?</source>
        <translation>另一台计算机于 %2 生成了 %1 的另一个副本。要将其合并进来吗？</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is damaged or not a notebook; it was not merged and stays where it is.</source>
        <translation>“%1”已损坏或不是笔记本；未将其合并，它仍留在原处。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; was merged, but could not be moved into the folder &quot;Merged&quot;.</source>
        <translation>“%1”已合并，但无法移入“Merged”文件夹。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be merged: %2</source>
        <translation>无法合并“%1”：%2</translation>
    </message>
    <message>
        <source>Recovered the notebook from an unexpected end.</source>
        <translation>笔记本已从意外退出中恢复。</translation>
    </message>
    <message>
        <source>Could not save the notebook: %1.
Everything is kept in the working folder &quot;%2&quot; and will be there at the next start.</source>
        <translation>无法保存笔记本：%1。
所有内容都保留在工作文件夹“%2”中，下次启动时仍会在那里。</translation>
    </message>
    <message>
        <source>The open topic could not be saved, so Oxlin stays open and keeps its text. Copy the text elsewhere or free some disk space, then exit again.</source>
        <translation>无法保存当前打开的主题，因此 Oxlin 保持打开并保留其文本。请将文本复制到别处或释放一些磁盘空间，然后再次退出。</translation>
    </message>
</context>
<context>
    <name>TransferMessages</name>
    <message>
        <source>File(%1) is larger than 10M bytes.<byte value="xd"/>
We don&apos;t suggest to import such a big file.</source>
        <translation>文件（%1）大于 10M 字节。<byte value="xd"/>
不建议导入这么大的文件。</translation>
    </message>
    <message>
        <source>Size of folder is too big. Some files are ignored.<byte value="xd"/>
Operation terminate.</source>
        <translation>文件夹太大，部分文件已被忽略。<byte value="xd"/>
操作已终止。</translation>
    </message>
    <message>
        <source>Too many files in this folder.<byte value="xd"/>
Import operation terminate.</source>
        <translation>此文件夹中的文件太多。<byte value="xd"/>
导入操作已终止。</translation>
    </message>
    <message>
        <source>The import stopped at %1: the notebook&apos;s working folder could not be written (is the disk full?).</source>
        <translation>导入在 %1 处停止：无法写入笔记本的工作文件夹（磁盘是否已满？）。</translation>
    </message>
    <message>
        <source>These files could not be read and were not imported:
%1</source>
        <translation>以下文件无法读取，未导入：
%1</translation>
    </message>
    <message>
        <source>These are not regular files (a pipe, a device or a socket) and were not imported:
%1</source>
        <translation>以下不是普通文件（而是管道、设备或套接字），未导入：
%1</translation>
    </message>
    <message>
        <source>These folders could not be read and were not imported:
%1</source>
        <translation>以下文件夹无法读取，未导入：
%1</translation>
    </message>
    <message>
        <source>These links to folders were not followed:
%1</source>
        <translation>未跟随以下指向文件夹的链接：
%1</translation>
    </message>
    <message>
        <source>%1 already exists.<byte value="xd"/>
Do you want to replace it?</source>
        <translation>%1 已存在。<byte value="xd"/>
要替换它吗？</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>export file OK!</source>
        <translation>文件导出成功！</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>export file Failed!</source>
        <translation>文件导出失败！</translation>
    </message>
    <message>
        <source>Folder already exist!</source>
        <translation>文件夹已存在！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Failed to create folder!</source>
        <translation>创建文件夹失败！</translation>
    </message>
    <message>
        <source>ERROR</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>export folder OK!</source>
        <translation>文件夹导出成功！</translation>
    </message>
    <message>
        <source>export folder OK!

These could not be written:
%1</source>
        <translation>文件夹导出成功！

以下内容无法写入：
%1</translation>
    </message>
</context>
<context>
    <name>TreeMessages</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>确认</source>
        <translation>确认</translation>
    </message>
    <message>
        <source>Do you want to delete %1?</source>
        <translation>要删除 %1 吗？</translation>
    </message>
    <message>
        <source>Do you want to delete %1 and all topics in this folder?</source>
        <translation>要删除 %1 以及此文件夹中的所有主题吗？</translation>
    </message>
    <message>
        <source>move [%1] to root?<byte value="xd"/>
</source>
        <translation>要将 [%1] 移到顶层吗？<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>move [%1] to [%2]?<byte value="xd"/>
</source>
        <translation>要将 [%1] 移到 [%2] 吗？<byte value="xd"/>
</translation>
    </message>
    <message>
        <source>The name cannot be empty.</source>
        <translation>名称不能为空。</translation>
    </message>
    <message>
        <source>A name cannot contain \ / = [ ] or control characters.</source>
        <translation>名称不能包含 \ / = [ ] 或控制字符。</translation>
    </message>
    <message>
        <source>%1 cannot be used as a name.</source>
        <translation>%1 不能用作名称。</translation>
    </message>
    <message>
        <source>The name is too long.</source>
        <translation>名称太长。</translation>
    </message>
    <message>
        <source>A catalog named %1 already exists here.</source>
        <translation>此处已存在名为 %1 的文件夹。</translation>
    </message>
    <message>
        <source>This notebook is full: a notebook holds at most %L1 topics. Please make a new notebook for more.</source>
        <translation>此笔记本已满：一个笔记本最多容纳 %L1 个主题。如需更多主题，请新建一个笔记本。</translation>
    </message>
</context>
<context>
    <name>oxlin::app::AboutDialog</name>
    <message>
        <source>About</source>
        <translation>关于</translation>
    </message>
    <message>
        <source>Oxlin Notebook, version %1</source>
        <translation>Oxlin 笔记本，版本 %1</translation>
    </message>
</context>
<context>
    <name>oxlin::app::ActionRegistry</name>
    <message>
        <source>&amp;New...</source>
        <translation>新建(&amp;N)...</translation>
    </message>
    <message>
        <source>&amp;Open...</source>
        <translation>打开(&amp;O)...</translation>
    </message>
    <message>
        <source>&amp;Save</source>
        <translation>保存(&amp;S)</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>Folder</source>
        <translation>文件夹</translation>
    </message>
    <message>
        <source>E&amp;xport...</source>
        <translation>导出(&amp;E)...</translation>
    </message>
    <message>
        <source>Page Setup...</source>
        <translation>页面设置...</translation>
    </message>
    <message>
        <source>&amp;Print...</source>
        <translation>打印(&amp;P)...</translation>
    </message>
    <message>
        <source>Print Preview...</source>
        <translation>打印预览...</translation>
    </message>
    <message>
        <source>Export as PDF...</source>
        <translation>导出为 PDF...</translation>
    </message>
    <message>
        <source>Web Pages...</source>
        <translation>网页...</translation>
    </message>
    <message>
        <source>Markdown...</source>
        <translation>Markdown...</translation>
    </message>
    <message>
        <source>PDF...</source>
        <translation>PDF...</translation>
    </message>
    <message>
        <source>Import Markdown...</source>
        <translation>导入 Markdown...</translation>
    </message>
    <message>
        <source>Import Markdown Folder...</source>
        <translation>导入 Markdown 文件夹...</translation>
    </message>
    <message>
        <source>E&amp;xit</source>
        <translation>退出(&amp;X)</translation>
    </message>
    <message>
        <source>&amp;Undo</source>
        <translation>撤消(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Redo</source>
        <translation>重做(&amp;Y)</translation>
    </message>
    <message>
        <source>Cu&amp;t</source>
        <translation>剪切(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Copy</source>
        <translation>复制(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Paste</source>
        <translation>粘贴(&amp;P)</translation>
    </message>
    <message>
        <source>&amp;Find...</source>
        <translation>查找(&amp;F)...</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>查找下一个</translation>
    </message>
    <message>
        <source>R&amp;eplace...</source>
        <translation>替换(&amp;E)...</translation>
    </message>
    <message>
        <source>Word &amp;Wrap</source>
        <translation>自动换行(&amp;W)</translation>
    </message>
    <message>
        <source>to a File</source>
        <translation>到文件</translation>
    </message>
    <message>
        <source>to a Topic</source>
        <translation>到主题</translation>
    </message>
    <message>
        <source>to a Web Address...</source>
        <translation>到网址...</translation>
    </message>
    <message>
        <source>Table</source>
        <translation>表格</translation>
    </message>
    <message>
        <source>Picture</source>
        <translation>图片</translation>
    </message>
    <message>
        <source>Text in a File</source>
        <translation>文件中的文本</translation>
    </message>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Font</source>
        <translation>字体</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Color</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>编号列表</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>项目符号列表</translation>
    </message>
    <message>
        <source>Decrese indentation</source>
        <translation>减少缩进</translation>
    </message>
    <message>
        <source>Increase indentation</source>
        <translation>增加缩进</translation>
    </message>
    <message>
        <source>Align left</source>
        <translation>左对齐</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Align right</source>
        <translation>右对齐</translation>
    </message>
    <message>
        <source>Insert a link</source>
        <translation>插入链接</translation>
    </message>
    <message>
        <source>&amp;Topics</source>
        <translation>主题(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Index</source>
        <translation>索引(&amp;I)</translation>
    </message>
    <message>
        <source>&amp;Search</source>
        <translation>搜索(&amp;S)</translation>
    </message>
    <message>
        <source>Check Spelling as You Type</source>
        <translation>键入时检查拼写</translation>
    </message>
    <message>
        <source>Show DragDrop Window</source>
        <translation>显示拖放窗口</translation>
    </message>
    <message>
        <source>Always on T&amp;op</source>
        <translation>总在最前(&amp;O)</translation>
    </message>
    <message>
        <source>Key Shortcut</source>
        <translation>快捷键</translation>
    </message>
    <message>
        <source>P&amp;roperties</source>
        <translation>属性(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Help Topics</source>
        <translation>帮助主题(&amp;H)</translation>
    </message>
    <message>
        <source>&amp;About Oxlin...</source>
        <translation>关于 Oxlin(&amp;A)...</translation>
    </message>
    <message>
        <source>New Foloder</source>
        <translation>新建文件夹</translation>
    </message>
    <message>
        <source>New SubFolder</source>
        <translation>新建子文件夹</translation>
    </message>
    <message>
        <source>New Topic</source>
        <translation>新建主题</translation>
    </message>
    <message>
        <source>Delete Catalog</source>
        <translation>删除文件夹</translation>
    </message>
    <message>
        <source>Delete Topic</source>
        <translation>删除主题</translation>
    </message>
    <message>
        <source>Level Up</source>
        <translation>升一级</translation>
    </message>
    <message>
        <source>Level Down</source>
        <translation>降一级</translation>
    </message>
    <message>
        <source>Move Up</source>
        <translation>上移</translation>
    </message>
    <message>
        <source>Move Down</source>
        <translation>下移</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Forward</source>
        <translation>前进</translation>
    </message>
    <message>
        <source>Create a new topic</source>
        <translation>新建一个主题</translation>
    </message>
    <message>
        <source>Create a new catalog</source>
        <translation>新建一个文件夹</translation>
    </message>
    <message>
        <source>Delete the current topic or catalog</source>
        <translation>删除当前主题或文件夹</translation>
    </message>
    <message>
        <source>Delete the current catalog</source>
        <translation>删除当前文件夹</translation>
    </message>
    <message>
        <source>Create a new folder in the current catalog</source>
        <translation>在当前文件夹中新建一个文件夹</translation>
    </message>
    <message>
        <source>Decrease the hierarchy level</source>
        <translation>将所选项移到上一层级</translation>
    </message>
    <message>
        <source>Increase the hierarchy level</source>
        <translation>将所选项移到下一层级</translation>
    </message>
    <message>
        <source>Move the selected item up</source>
        <translation>将所选项上移</translation>
    </message>
    <message>
        <source>Move the selected item down</source>
        <translation>将所选项下移</translation>
    </message>
    <message>
        <source>Backward</source>
        <translation>后退</translation>
    </message>
    <message>
        <source>Create a new notebook (Ctrl + N)</source>
        <translation>新建笔记本（Ctrl + N）</translation>
    </message>
    <message>
        <source>Open an existing notebook (Ctrl + O)</source>
        <translation>打开现有笔记本（Ctrl + O）</translation>
    </message>
    <message>
        <source>Save the current notebook (Ctrl + S)</source>
        <translation>保存当前笔记本（Ctrl + S）</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Cut (Ctrl + X)</source>
        <translation>剪切（Ctrl + X）</translation>
    </message>
    <message>
        <source>Copy (Ctrl + C)</source>
        <translation>复制（Ctrl + C）</translation>
    </message>
    <message>
        <source>Paste (Ctrl + V)</source>
        <translation>粘贴（Ctrl + V）</translation>
    </message>
    <message>
        <source>View keyboard shortcut</source>
        <translation>查看键盘快捷键</translation>
    </message>
    <message>
        <source>Print (Ctrl + P)</source>
        <translation>打印（Ctrl + P）</translation>
    </message>
    <message>
        <source>Help Topics (F1)</source>
        <translation>帮助主题（F1）</translation>
    </message>
    <message>
        <source>Insert a table</source>
        <translation>插入表格</translation>
    </message>
    <message>
        <source>Insert a picture (F7)</source>
        <translation>插入图片（F7）</translation>
    </message>
    <message>
        <source>Insert content from a TEXT file (F8)</source>
        <translation>插入文本文件的内容（F8）</translation>
    </message>
    <message>
        <source>enumerated list</source>
        <translation>编号列表</translation>
    </message>
    <message>
        <source>bullet list</source>
        <translation>项目符号列表</translation>
    </message>
    <message>
        <source>Insert a link (F5 : File-Link / F4 : Topic-Link)</source>
        <translation>插入链接（F5：文件链接 / F4：主题链接）</translation>
    </message>
    <message>
        <source>&amp;File</source>
        <translation>文件(&amp;F)</translation>
    </message>
    <message>
        <source>Import from...</source>
        <translation>导入自...</translation>
    </message>
    <message>
        <source>Export As</source>
        <translation>导出为</translation>
    </message>
    <message>
        <source>&amp;Edit</source>
        <translation>编辑(&amp;E)</translation>
    </message>
    <message>
        <source>&amp;Insert</source>
        <translation>插入(&amp;I)</translation>
    </message>
    <message>
        <source>Link</source>
        <translation>链接</translation>
    </message>
    <message>
        <source>F&amp;ormat</source>
        <translation>格式(&amp;O)</translation>
    </message>
    <message>
        <source>&amp;View</source>
        <translation>查看(&amp;V)</translation>
    </message>
    <message>
        <source>&amp;Tools</source>
        <translation>工具(&amp;T)</translation>
    </message>
    <message>
        <source>Spelling</source>
        <translation>拼写</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助(&amp;H)</translation>
    </message>
</context>
<context>
    <name>oxlin::app::BackgroundShell</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>Oxlin is still running. Press Ctrl+Shift+A or double-click this icon to bring it back.</source>
        <translation>Oxlin 仍在运行。按 Ctrl+Shift+A 或双击此图标即可恢复窗口。</translation>
    </message>
    <message>
        <source>Oxlin is still running. Double-click this icon to bring it back.</source>
        <translation>Oxlin 仍在运行。双击此图标即可恢复窗口。</translation>
    </message>
    <message>
        <source>The drop window cannot go to its corner here: under Wayland the desktop decides where windows go.</source>
        <translation>拖放窗口无法移到其所在的角落：在 Wayland 下，窗口的位置由桌面决定。</translation>
    </message>
    <message>
        <source>File(%1) is larger than 10M bytes.<byte value="xd"/>
We don&apos;t suggest to import such a big file.</source>
        <translation>文件（%1）大于 10M 字节。<byte value="xd"/>
不建议导入这么大的文件。</translation>
    </message>
    <message>
        <source>Register Hotkey Failed!</source>
        <translation>注册热键失败！</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Oxlin is still running. Press Ctrl+Shift+A or click this icon to bring it back.</source>
        <translation>Oxlin 仍在运行。按 Ctrl+Shift+A 或单击此图标即可恢复窗口。</translation>
    </message>
    <message>
        <source>Oxlin is still running. Click this icon to bring it back.</source>
        <translation>Oxlin 仍在运行。单击此图标即可恢复窗口。</translation>
    </message>
</context>
<context>
    <name>oxlin::app::ColourPicker</name>
    <message>
        <source>More...</source>
        <translation>更多...</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>oxlin::app::DropWindow</name>
    <message>
        <source>Oxlin(Drag &amp; Drop)</source>
        <translation>Oxlin（拖放）</translation>
    </message>
</context>
<context>
    <name>oxlin::app::EditingCommands</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>Text and Rich Text (*.TXT *.RTF *.txt *.rtf)</source>
        <translation>文本和 RTF 文档 (*.TXT *.RTF *.txt *.rtf)</translation>
    </message>
    <message>
        <source>Text Files (*.TXT *.txt)</source>
        <translation>文本文件 (*.TXT *.txt)</translation>
    </message>
    <message>
        <source>Rich Text Format (*.RTF *.rtf)</source>
        <translation>RTF 格式 (*.RTF *.rtf)</translation>
    </message>
    <message>
        <source>All Files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>Error insert document. [%1]</source>
        <translation>插入文档时出错。[%1]</translation>
    </message>
    <message>
        <source>Link to a file</source>
        <translation>链接到文件</translation>
    </message>
    <message>
        <source>Link to a Topic</source>
        <translation>链接到主题</translation>
    </message>
    <message>
        <source>Link to a Web Address</source>
        <translation>链接到网址</translation>
    </message>
    <message>
        <source>Could not load image.</source>
        <translation>无法加载图片。</translation>
    </message>
    <message>
        <source>Please Select a Image File</source>
        <translation>请选择图片文件</translation>
    </message>
</context>
<context>
    <name>oxlin::app::EditorHost</name>
    <message>
        <source>A topic holds at most %L1 characters. %L2 characters of the inserted text did not fit and were left out.</source>
        <translation>一个主题最多容纳 %L1 个字符。插入的文本中有 %L2 个字符放不下，已被略去。</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>This topic holds %L1 characters, more than the %L2 an editable topic may hold. It is shown whole; text can be removed but no more added.</source>
        <translation>此主题含有 %L1 个字符，超过了可编辑主题最多容纳的 %L2 个字符。主题将完整显示；可以删除文本，但不能再添加文本。</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; holds more than the %L2 MB the editor can open. Export it (Ctrl+R) to open it with another program.</source>
        <translation>主题“%1”超过了编辑器可打开的 %L2 MB。请将其导出（Ctrl+R）后用其他程序打开。</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; could not be read completely: its file is damaged.
What could be read of it is shown.</source>
        <translation>无法完整读取主题“%1”：其文件已损坏。
现显示能读取的部分。</translation>
    </message>
    <message>
        <source>
The damaged file was kept as &quot;%1&quot;.</source>
        <translation>
损坏的文件已保存为“%1”。</translation>
    </message>
    <message>
        <source>Error saving document. [%1]</source>
        <translation>保存文档时出错。[%1]</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>[%1]
char   : %2
line    : %3
count : %4</source>
        <translation>[%1]
字符位置：%2
行号：%3
本行字数：%4</translation>
    </message>
    <message>
        <source>Properties</source>
        <translation>属性</translation>
    </message>
    <message>
        <source>Text Files (*.TXT)</source>
        <translation>文本文件 (*.TXT)</translation>
    </message>
    <message>
        <source>Rich Text Format (*.RTF)</source>
        <translation>RTF 格式 (*.RTF)</translation>
    </message>
    <message>
        <source>RTF w/o Objects (*.RTF)</source>
        <translation>不含对象的 RTF (*.RTF)</translation>
    </message>
</context>
<context>
    <name>oxlin::app::FileQuestion</name>
    <message>
        <source>The link itself</source>
        <translation>链接本身</translation>
    </message>
    <message>
        <source>Text to show:</source>
        <translation>显示文本：</translation>
    </message>
</context>
<context>
    <name>oxlin::app::FindController</name>
    <message>
        <source>The search text is not found.</source>
        <translation>找不到要查找的文本。</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>Replaced %1 occurances.</source>
        <translation>已替换 %1 处。</translation>
    </message>
</context>
<context>
    <name>oxlin::app::FindDialog</name>
    <message>
        <source>Match &amp;whole word only</source>
        <translation>全字匹配(&amp;W)</translation>
    </message>
    <message>
        <source>Match &amp;case</source>
        <translation>区分大小写(&amp;C)</translation>
    </message>
    <message>
        <source>Direction</source>
        <translation>方向</translation>
    </message>
    <message>
        <source>&amp;Up</source>
        <translation>向上(&amp;U)</translation>
    </message>
    <message>
        <source>&amp;Down</source>
        <translation>向下(&amp;D)</translation>
    </message>
    <message>
        <source>&amp;Find Next</source>
        <translation>查找下一个(&amp;F)</translation>
    </message>
    <message>
        <source>&amp;Replace</source>
        <translation>替换(&amp;R)</translation>
    </message>
    <message>
        <source>Replace &amp;All</source>
        <translation>全部替换(&amp;A)</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Fi&amp;nd what:</source>
        <translation>查找内容(&amp;N)：</translation>
    </message>
    <message>
        <source>Re&amp;place with:</source>
        <translation>替换为(&amp;P)：</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
</context>
<context>
    <name>oxlin::app::InfoOptions</name>
    <message>
        <source>%1 (installed by the %2; updates come from the package manager)</source>
        <translation>%1（由 %2 安装；更新通过软件包管理器获取）</translation>
    </message>
</context>
<context>
    <name>oxlin::app::Insertions</name>
    <message>
        <source>All image file (%1)</source>
        <translation>所有图片文件 (%1)</translation>
    </message>
    <message>
        <source>Bitmap Files (*.bmp)</source>
        <translation>位图文件 (*.bmp)</translation>
    </message>
    <message>
        <source>JPEG Files (*.jpg *.jpeg)</source>
        <translation>JPEG 文件 (*.jpg *.jpeg)</translation>
    </message>
    <message>
        <source>GIF Files (*.gif)</source>
        <translation>GIF 文件 (*.gif)</translation>
    </message>
</context>
<context>
    <name>oxlin::app::KeywordPanel</name>
    <message>
        <source>Key&amp;word:</source>
        <translation>关键字(&amp;W)：</translation>
    </message>
    <message>
        <source>&amp;Locate</source>
        <translation>定位(&amp;L)</translation>
    </message>
    <message>
        <source>&amp;Display</source>
        <translation>显示(&amp;D)</translation>
    </message>
    <message>
        <source>Resul&amp;t:</source>
        <translation>结果(&amp;T)：</translation>
    </message>
    <message>
        <source>Search in result</source>
        <translation>在结果中搜索</translation>
    </message>
    <message>
        <source>Match case</source>
        <translation>区分大小写</translation>
    </message>
    <message>
        <source>Topics-tree Only</source>
        <translation>仅搜索主题树</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>All notebooks</source>
        <translation>所有笔记本</translation>
    </message>
</context>
<context>
    <name>oxlin::app::LinkCommands</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>The topic &quot;%1&quot; is no longer in this notebook.</source>
        <translation>主题“%1”已不在此笔记本中。</translation>
    </message>
    <message>
        <source>The link &quot;%1&quot; names no file that can be opened.</source>
        <translation>链接“%1”没有指向可以打开的文件。</translation>
    </message>
    <message>
        <source>Open &quot;%1&quot;? It is a program.</source>
        <translation>“%1”是一个程序。要打开它吗？</translation>
    </message>
    <message>
        <source>Error occupy while insert link text.</source>
        <translation>插入链接文本时出错。</translation>
    </message>
    <message>
        <source>Please Select a File</source>
        <translation>请选择文件</translation>
    </message>
</context>
<context>
    <name>oxlin::app::LocatePanel</name>
    <message>
        <source>Locate:</source>
        <translation>定位：</translation>
    </message>
    <message>
        <source>&amp;Refresh</source>
        <translation>刷新(&amp;R)</translation>
    </message>
    <message>
        <source>&amp;Show</source>
        <translation>显示(&amp;S)</translation>
    </message>
</context>
<context>
    <name>oxlin::app::MainWindow</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>%1 - Quarrow Notebook - [%2]</source>
        <translation>%1 - Quarrow 笔记本 - [%2]</translation>
    </message>
    <message>
        <source>%1 - Quarrow Notebook</source>
        <translation>%1 - Quarrow 笔记本</translation>
    </message>
    <message>
        <source>Exit Oxlin?

This desktop has no notification area to keep Oxlin in while its window is closed. Choose No to keep it running, with its window minimised.</source>
        <translation>要退出 Oxlin 吗？

此桌面没有通知区域，无法在窗口关闭时让 Oxlin 驻留其中。选择“否”可让它继续运行，窗口将最小化。</translation>
    </message>
</context>
<context>
    <name>oxlin::app::NewNotebookDialog</name>
    <message>
        <source>New Notebook</source>
        <translation>新建笔记本</translation>
    </message>
    <message>
        <source>Name of this notebook:</source>
        <translation>笔记本名称：</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>oxlin::app::NotebookApplication</name>
    <message>
        <source>Oxlin is running.</source>
        <translation>Oxlin 已在运行。</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>Loading notebook data...</source>
        <translation>正在加载笔记本数据……</translation>
    </message>
    <message>
        <source>Oxlin Notebook: notes in folders and topics.</source>
        <translation>Oxlin 笔记本：在文件夹和主题中记笔记。</translation>
    </message>
</context>
<context>
    <name>oxlin::app::NotebookCommands</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>You can&apos;t delete the opened book.</source>
        <translation>不能删除已打开的笔记本。</translation>
    </message>
</context>
<context>
    <name>oxlin::app::NotebookController</name>
    <message>
        <source>Import from a file</source>
        <translation>从文件导入</translation>
    </message>
    <message>
        <source>Import from a folder</source>
        <translation>从文件夹导入</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
</context>
<context>
    <name>oxlin::app::OpenNotebookDialog</name>
    <message>
        <source>Open Notebook</source>
        <translation>打开笔记本</translation>
    </message>
    <message>
        <source>Notebook List:</source>
        <translation>笔记本列表：</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>删除</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>oxlin::app::PortalHotkey</name>
    <message>
        <source>Show Oxlin</source>
        <translation>显示 Oxlin</translation>
    </message>
</context>
<context>
    <name>oxlin::app::Prompter</name>
    <message>
        <source>All files (*)</source>
        <translation>所有文件 (*)</translation>
    </message>
    <message>
        <source>All Text file (*.txt *.log *.cpp *.h *.html *.rtf)</source>
        <translation>所有文本文件 (*.txt *.log *.cpp *.h *.html *.rtf)</translation>
    </message>
    <message>
        <source>All image file (*.bmp *.jpg *.gif)</source>
        <translation>所有图片文件 (*.bmp *.jpg *.gif)</translation>
    </message>
</context>
<context>
    <name>oxlin::app::PublishCommands</name>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Export As Web Pages</source>
        <translation>导出为网页</translation>
    </message>
    <message>
        <source>Export As Markdown</source>
        <translation>导出为 Markdown</translation>
    </message>
    <message>
        <source>Cannot export to %1: it already exists. Choose a new folder name.</source>
        <translation>无法导出到 %1：该位置已存在。请另选一个新的文件夹名称。</translation>
    </message>
    <message>
        <source>Cannot create the folder %1.</source>
        <translation>无法创建文件夹 %1。</translation>
    </message>
    <message>
        <source>The export was cancelled: %1 holds the %2 topics written before, and an index of them.</source>
        <translation>导出已取消：%1 中含有此前已写入的 %2 个主题及其索引。</translation>
    </message>
    <message>
        <source>Exported %1 topics to %2.</source>
        <translation>已将 %1 个主题导出到 %2。</translation>
    </message>
    <message>
        <source>These could not be written:</source>
        <translation>以下内容无法写入：</translation>
    </message>
    <message>
        <source>Fonts, colours and alignment have no place in Markdown and were left out.</source>
        <translation>Markdown 无法表示字体、颜色和对齐方式，这些格式已被略去。</translation>
    </message>
    <message>
        <source>Export As PDF</source>
        <translation>导出为 PDF</translation>
    </message>
    <message>
        <source>The export was cancelled: no PDF was written.</source>
        <translation>导出已取消：未写入 PDF。</translation>
    </message>
    <message>
        <source>Cannot write %1.</source>
        <translation>无法写入 %1。</translation>
    </message>
    <message>
        <source>Exported %1 topics on %2 pages to %3.</source>
        <translation>已将 %1 个主题（共 %2 页）导出到 %3。</translation>
    </message>
    <message>
        <source>Exporting... %1 of %2 topics</source>
        <translation>正在导出……第 %1 个主题，共 %2 个</translation>
    </message>
</context>
<context>
    <name>oxlin::app::SearchPresenter</name>
    <message>
        <source>no topic includes the keyword.</source>
        <translation>没有主题包含该关键字。</translation>
    </message>
    <message>
        <source>1 topic includes the keyword.</source>
        <translation>有 1 个主题包含该关键字。</translation>
    </message>
    <message>
        <source>%1 topics include the keyword.</source>
        <translation>有 %1 个主题包含该关键字。</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
</context>
<context>
    <name>oxlin::app::ShortcutDialog</name>
    <message>
        <source>Main Window</source>
        <translation>主窗口</translation>
    </message>
    <message>
        <source>Show Notebook:</source>
        <translation>显示笔记本：</translation>
    </message>
    <message>
        <source>Ctrl + Shift + A</source>
        <translation>Ctrl + Shift + A</translation>
    </message>
    <message>
        <source>Hide Notebook:</source>
        <translation>隐藏笔记本：</translation>
    </message>
    <message>
        <source>Esc</source>
        <translation>Esc</translation>
    </message>
    <message>
        <source>Always On Top:</source>
        <translation>总在最前：</translation>
    </message>
    <message>
        <source>F10</source>
        <translation>F10</translation>
    </message>
    <message>
        <source>Show DragDrop Window</source>
        <translation>显示拖放窗口</translation>
    </message>
    <message>
        <source>F9</source>
        <translation>F9</translation>
    </message>
    <message>
        <source>New Notebook</source>
        <translation>新建笔记本</translation>
    </message>
    <message>
        <source>Ctrl + N</source>
        <translation>Ctrl + N</translation>
    </message>
    <message>
        <source>Open Notebook</source>
        <translation>打开笔记本</translation>
    </message>
    <message>
        <source>Ctrl + O</source>
        <translation>Ctrl + O</translation>
    </message>
    <message>
        <source>Save Notebook</source>
        <translation>保存笔记本</translation>
    </message>
    <message>
        <source>Ctrl + S</source>
        <translation>Ctrl + S</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>Ctrl + R</source>
        <translation>Ctrl + R</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Ctrl + P</source>
        <translation>Ctrl + P</translation>
    </message>
    <message>
        <source>Switch Tree / Editor</source>
        <translation>切换主题树 / 编辑器</translation>
    </message>
    <message>
        <source>F6</source>
        <translation>F6</translation>
    </message>
    <message>
        <source>Topics / Index / Search</source>
        <translation>主题 / 索引 / 搜索</translation>
    </message>
    <message>
        <source>Ctrl + 1 / Ctrl + 2 / Ctrl + 3</source>
        <translation>Ctrl + 1 / Ctrl + 2 / Ctrl + 3</translation>
    </message>
    <message>
        <source>Help Topics</source>
        <translation>帮助主题</translation>
    </message>
    <message>
        <source>F1</source>
        <translation>F1</translation>
    </message>
    <message>
        <source>Topics-tree</source>
        <translation>主题树</translation>
    </message>
    <message>
        <source>New same level Topic</source>
        <translation>新建同级主题</translation>
    </message>
    <message>
        <source>Enter</source>
        <translation>Enter</translation>
    </message>
    <message>
        <source>New Sub-Topic</source>
        <translation>新建子主题</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>Insert</translation>
    </message>
    <message>
        <source>Delete Topic</source>
        <translation>删除主题</translation>
    </message>
    <message>
        <source>Delete</source>
        <translation>Delete</translation>
    </message>
    <message>
        <source>Rename Topic</source>
        <translation>重命名主题</translation>
    </message>
    <message>
        <source>F2</source>
        <translation>F2</translation>
    </message>
    <message>
        <source>Open Topic to Edit</source>
        <translation>打开主题进行编辑</translation>
    </message>
    <message>
        <source>Space</source>
        <translation>空格</translation>
    </message>
    <message>
        <source>Editor</source>
        <translation>编辑器</translation>
    </message>
    <message>
        <source>Word-Wrap</source>
        <translation>自动换行</translation>
    </message>
    <message>
        <source>Ctrl + W</source>
        <translation>Ctrl + W</translation>
    </message>
    <message>
        <source>Insert a Link(to a file)</source>
        <translation>插入链接（到文件）</translation>
    </message>
    <message>
        <source>F5</source>
        <translation>F5</translation>
    </message>
    <message>
        <source>Insert Link(to a Topic)</source>
        <translation>插入链接（到主题）</translation>
    </message>
    <message>
        <source>F4</source>
        <translation>F4</translation>
    </message>
    <message>
        <source>Insert Link(to a Web Address)</source>
        <translation>插入链接（到网址）</translation>
    </message>
    <message>
        <source>Ctrl + K</source>
        <translation>Ctrl + K</translation>
    </message>
    <message>
        <source>Insert Picture</source>
        <translation>插入图片</translation>
    </message>
    <message>
        <source>F7</source>
        <translation>F7</translation>
    </message>
    <message>
        <source>Insert Text in a File</source>
        <translation>插入文件中的文本</translation>
    </message>
    <message>
        <source>F8</source>
        <translation>F8</translation>
    </message>
    <message>
        <source>Undo</source>
        <translation>撤消</translation>
    </message>
    <message>
        <source>Ctrl + Z</source>
        <translation>Ctrl + Z</translation>
    </message>
    <message>
        <source>Redo</source>
        <translation>重做</translation>
    </message>
    <message>
        <source>Ctrl + Y / Ctrl + Shift + Z</source>
        <translation>Ctrl + Y / Ctrl + Shift + Z</translation>
    </message>
    <message>
        <source>Cut / Copy / Paste</source>
        <translation>剪切 / 复制 / 粘贴</translation>
    </message>
    <message>
        <source>Ctrl + X / Ctrl + C / Ctrl + V</source>
        <translation>Ctrl + X / Ctrl + C / Ctrl + V</translation>
    </message>
    <message>
        <source>Find</source>
        <translation>查找</translation>
    </message>
    <message>
        <source>Ctrl + F</source>
        <translation>Ctrl + F</translation>
    </message>
    <message>
        <source>Find Next</source>
        <translation>查找下一个</translation>
    </message>
    <message>
        <source>F3</source>
        <translation>F3</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Ctrl + H</source>
        <translation>Ctrl + H</translation>
    </message>
    <message>
        <source>Spelling as You Type</source>
        <translation>键入时检查拼写</translation>
    </message>
    <message>
        <source>Shift + F7</source>
        <translation>Shift + F7</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式</translation>
    </message>
    <message>
        <source>Bold</source>
        <translation>粗体</translation>
    </message>
    <message>
        <source>Ctrl + B</source>
        <translation>Ctrl + B</translation>
    </message>
    <message>
        <source>Italic</source>
        <translation>斜体</translation>
    </message>
    <message>
        <source>Ctrl + I</source>
        <translation>Ctrl + I</translation>
    </message>
    <message>
        <source>Underline</source>
        <translation>下划线</translation>
    </message>
    <message>
        <source>Ctrl + U</source>
        <translation>Ctrl + U</translation>
    </message>
    <message>
        <source>Numbered List</source>
        <translation>编号列表</translation>
    </message>
    <message>
        <source>Ctrl + Shift + 7</source>
        <translation>Ctrl + Shift + 7</translation>
    </message>
    <message>
        <source>Bulleted List</source>
        <translation>项目符号列表</translation>
    </message>
    <message>
        <source>Ctrl + Shift + 8</source>
        <translation>Ctrl + Shift + 8</translation>
    </message>
    <message>
        <source>Align Left</source>
        <translation>左对齐</translation>
    </message>
    <message>
        <source>Ctrl + L</source>
        <translation>Ctrl + L</translation>
    </message>
    <message>
        <source>Center</source>
        <translation>居中</translation>
    </message>
    <message>
        <source>Ctrl + E</source>
        <translation>Ctrl + E</translation>
    </message>
    <message>
        <source>KeyBorad ShortCut</source>
        <translation>键盘快捷键</translation>
    </message>
</context>
<context>
    <name>oxlin::app::SidePane</name>
    <message>
        <source>Topics</source>
        <translation>主题</translation>
    </message>
    <message>
        <source>Index</source>
        <translation>索引</translation>
    </message>
    <message>
        <source>Search</source>
        <translation>搜索</translation>
    </message>
</context>
<context>
    <name>oxlin::app::SpellService</name>
    <message numerus="yes">
        <source>%n dictionary file(s) without a .dic file beside them left out: %1</source>
        <translation>
            <numerusform>已略去 %n 个旁边没有 .dic 文件的词典文件：%1</numerusform>
        </translation>
    </message>
    <message>
        <source>The word list %1 could not be read.</source>
        <translation>无法读取词表 %1。</translation>
    </message>
    <message numerus="yes">
        <source>%n line(s) of the word list %1 hold no word and were left out.</source>
        <translation>
            <numerusform>词表 %1 中有 %n 行不含单词，已略去。</numerusform>
        </translation>
    </message>
    <message>
        <source>The dictionary could not be loaded: %1.</source>
        <translation>无法加载词典：%1。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; could not be added to the word list %2.</source>
        <translation>无法将“%1”添加到词表 %2。</translation>
    </message>
</context>
<context>
    <name>oxlin::app::SpellingMenus</name>
    <message>
        <source>(no suggestions)</source>
        <translation>（无建议）</translation>
    </message>
    <message>
        <source>Ignore</source>
        <translation>忽略</translation>
    </message>
    <message>
        <source>Add to Dictionary</source>
        <translation>添加到词典</translation>
    </message>
    <message>
        <source>No dictionary installed</source>
        <translation>未安装词典</translation>
    </message>
</context>
<context>
    <name>oxlin::app::TableSizePicker</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>oxlin::app::Toolbars</name>
    <message>
        <source>Main</source>
        <translation>主工具栏</translation>
    </message>
    <message>
        <source>Format</source>
        <translation>格式工具栏</translation>
    </message>
</context>
<context>
    <name>oxlin::app::TopicLinkDialog</name>
    <message>
        <source>Insert Topics Link</source>
        <translation>插入主题链接</translation>
    </message>
    <message>
        <source>The link itself</source>
        <translation>链接本身</translation>
    </message>
    <message>
        <source>Insert</source>
        <translation>插入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Topic:</source>
        <translation>主题：</translation>
    </message>
    <message>
        <source>Text to show:</source>
        <translation>显示文本：</translation>
    </message>
    <message>
        <source>Error</source>
        <translation>错误</translation>
    </message>
    <message>
        <source>Invalidate Topic name</source>
        <translation>无效的主题名称</translation>
    </message>
</context>
<context>
    <name>oxlin::app::TopicPrinter</name>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
    <message>
        <source>Export as PDF</source>
        <translation>导出为 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>The topic is empty: there is nothing to print.</source>
        <translation>主题为空：没有可打印的内容。</translation>
    </message>
</context>
<context>
    <name>oxlin::app::TransferCommands</name>
    <message>
        <source>Import</source>
        <translation>导入</translation>
    </message>
    <message>
        <source>Importing... %1 files</source>
        <translation>正在导入……已处理 %1 个文件</translation>
    </message>
    <message>
        <source>Please Select a File</source>
        <translation>请选择文件</translation>
    </message>
    <message>
        <source>Import Markdown</source>
        <translation>导入 Markdown</translation>
    </message>
    <message>
        <source>Markdown files (*.md *.markdown)</source>
        <translation>Markdown 文件 (*.md *.markdown)</translation>
    </message>
    <message>
        <source>The Markdown files could not be converted: there is no room for them in the temporary folder.</source>
        <translation>无法转换 Markdown 文件：临时文件夹中没有足够的空间。</translation>
    </message>
    <message>
        <source>These files could not be read:</source>
        <translation>以下文件无法读取：</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
</context>
<context>
    <name>oxlin::app::TrayIcon</name>
    <message>
        <source>&amp;Show/Hide</source>
        <translation>显示/隐藏(&amp;S)</translation>
    </message>
    <message>
        <source>On &amp;Top</source>
        <translation>总在最前(&amp;T)</translation>
    </message>
    <message>
        <source>&amp;Exit</source>
        <translation>退出(&amp;E)</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
</context>
<context>
    <name>oxlin::app::UpdateCheck</name>
    <message>
        <source>Oxlin has been update.<byte value="xd"/>
Do you want to DOWNLOAD a new Version?</source>
        <translation>Oxlin 有新版本了。<byte value="xd"/>
要下载新版本吗？</translation>
    </message>
    <message>
        <source>Oxlin</source>
        <translation>Oxlin</translation>
    </message>
</context>
<context>
    <name>oxlin::app::WebLinkDialog</name>
    <message>
        <source>Insert Link</source>
        <translation>插入链接</translation>
    </message>
    <message>
        <source>The address itself</source>
        <translation>网址本身</translation>
    </message>
    <message>
        <source>Text to show:</source>
        <translation>显示文本：</translation>
    </message>
    <message>
        <source>Address:</source>
        <translation>地址：</translation>
    </message>
</context>
<context>
    <name>oxlin::app::WindowSystem</name>
    <message>
        <source>Always on Top has no effect here: under Wayland only the desktop decides which window stays above the others.</source>
        <translation>“总在最前”在此处无效：在 Wayland 下，只有桌面才能决定哪个窗口位于其他窗口之上。</translation>
    </message>
</context>
<context>
    <name>oxlin::cli::Texts</name>
    <message>
        <source>%1 is not an item path: labels must not be empty, hold &quot;=&quot; or pass 255 bytes</source>
        <translation>%1 不是条目路径：标签不能为空、不能含有“=”，也不能超过 255 字节</translation>
    </message>
    <message>
        <source>%1 does not name a text topic (a label ending in .txt)</source>
        <translation>%1 不是文本主题（标签以 .txt 结尾的主题）</translation>
    </message>
    <message>
        <source>cannot read %1: %2</source>
        <translation>无法读取 %1：%2</translation>
    </message>
    <message>
        <source>cannot read the package %1: it is damaged or not a notebook package</source>
        <translation>无法读取包文件 %1：它已损坏或不是笔记本包文件</translation>
    </message>
    <message>
        <source>the notebook %1 is open in Oxlin (its working folder %2 exists); close that notebook in Oxlin first</source>
        <translation>笔记本 %1 正在 Oxlin 中打开（其工作文件夹 %2 存在）；请先在 Oxlin 中关闭该笔记本</translation>
    </message>
    <message>
        <source>cannot add to %1 in %2: its topic is damaged</source>
        <translation>无法在 %2 中向 %1 添加内容：其主题已损坏</translation>
    </message>
    <message>
        <source>cannot write %1: %2</source>
        <translation>无法写入 %1：%2</translation>
    </message>
    <message>
        <source>cannot read the tree of %1: its %2 is missing or damaged</source>
        <translation>无法读取 %1 的主题树：其 %2 缺失或已损坏</translation>
    </message>
    <message>
        <source>usage: oxlin COMMAND ARGUMENTS

commands:</source>
        <translation>用法：oxlin COMMAND ARGUMENTS

命令：</translation>
    </message>
    <message>
        <source>usage: oxlin %1 %2</source>
        <translation>用法：oxlin %1 %2</translation>
    </message>
    <message>
        <source>usage: oxlin COMMAND ARGUMENTS (oxlin --help lists the commands)</source>
        <translation>用法：oxlin COMMAND ARGUMENTS（oxlin --help 列出所有命令）</translation>
    </message>
    <message>
        <source>cannot create a temporary folder</source>
        <translation>无法创建临时文件夹</translation>
    </message>
    <message>
        <source>cannot read the package %1: no such file</source>
        <translation>无法读取包文件 %1：文件不存在</translation>
    </message>
    <message>
        <source>cannot read the tree of %1</source>
        <translation>无法读取 %1 的主题树</translation>
    </message>
    <message>
        <source>%1: out of memory</source>
        <translation>%1：内存不足</translation>
    </message>
    <message>
        <source>cannot start %1, which reads rich text (looked for %2 and %3): %4</source>
        <translation>无法启动用于读取 RTF 文本的 %1（查找过 %2 和 %3）：%4</translation>
    </message>
    <message>
        <source>nothing was merged: %1 is as it was</source>
        <translation>未合并任何内容：%1 保持原样</translation>
    </message>
    <message>
        <source>cannot merge: the tree of %1 is damaged; nothing was changed</source>
        <translation>无法合并：%1 的主题树已损坏；未做任何更改</translation>
    </message>
    <message>
        <source>changed on both sides, kept twice: %1 (theirs as %2)</source>
        <translation>两边都有更改，已保留两份：%1（对方的版本为 %2）</translation>
    </message>
    <message>
        <source>deleted on one side and changed on the other, kept: %1</source>
        <translation>一边已删除而另一边有更改，已保留：%1</translation>
    </message>
    <message>
        <source>(damaged)</source>
        <translation>（已损坏）</translation>
    </message>
    <message>
        <source>(a file of %1 bytes)</source>
        <translation>（%1 字节的文件）</translation>
    </message>
    <message>
        <source>append text (a file, or the standard input) to a text topic, making it if needed</source>
        <translation>将文本（来自文件或标准输入）追加到文本主题，必要时新建该主题</translation>
    </message>
    <message>
        <source>merge the changes made since BASE in THEIRS into OURS (a git merge driver)</source>
        <translation>将 THEIRS 中自 BASE 以来所做的更改合并到 OURS（git 合并驱动程序）</translation>
    </message>
    <message>
        <source>print the tree and each topic&apos;s text in tree order</source>
        <translation>按主题树顺序打印主题树及每个主题的文本</translation>
    </message>
    <message>
        <source>%1 was not searched: its text is larger than %2 MiB</source>
        <translation>未搜索 %1：其文本大于 %2 MiB</translation>
    </message>
    <message>
        <source>%1 of %2 topics exported</source>
        <translation>已导出 %1/%2 个主题</translation>
    </message>
    <message>
        <source>cannot export to %1: it already exists</source>
        <translation>无法导出到 %1：该位置已存在</translation>
    </message>
    <message>
        <source>cannot create the folder %1</source>
        <translation>无法创建文件夹 %1</translation>
    </message>
    <message>
        <source>cannot write %1</source>
        <translation>无法写入 %1</translation>
    </message>
    <message>
        <source>exported %1 pages, %2 files, %3 pictures and %4 folders to %5</source>
        <translation>已将 %1 个页面、%2 个文件、%3 张图片和 %4 个文件夹导出到 %5</translation>
    </message>
    <message>
        <source>cannot read the topic %1</source>
        <translation>无法读取主题 %1</translation>
    </message>
    <message>
        <source>exported %1 topics on %2 pages to %3</source>
        <translation>已将 %1 个主题（共 %2 页）导出到 %3</translation>
    </message>
    <message>
        <source>usage: oxlin export PACKAGE ITEM\PATH DEST --as html|markdown|pdf</source>
        <translation>用法：oxlin export PACKAGE ITEM\PATH DEST --as html|markdown|pdf</translation>
    </message>
    <message>
        <source>%1 holds no item %2</source>
        <translation>%1 中没有条目 %2</translation>
    </message>
    <message>
        <source>cannot make a temporary folder for the Markdown files</source>
        <translation>无法为 Markdown 文件创建临时文件夹</translation>
    </message>
    <message>
        <source>cannot read %1</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>cannot write the converted Markdown files in %1</source>
        <translation>无法在 %1 中写入转换后的 Markdown 文件</translation>
    </message>
    <message>
        <source>%1 is too large to read (more than %2 MiB)</source>
        <translation>%1 太大，无法读取（超过 %2 MiB）</translation>
    </message>
    <message>
        <source>not enough memory to read the topic</source>
        <translation>内存不足，无法读取主题</translation>
    </message>
    <message>
        <source>print a topic&apos;s text, or write it back as RTF (plain text stays plain)</source>
        <translation>打印主题的文本，或将其重新写为 RTF（纯文本仍为纯文本）</translation>
    </message>
    <message>
        <source>usage: oxlin rtf text FILE | oxlin rtf rewrite IN OUT</source>
        <translation>用法：oxlin rtf text FILE | oxlin rtf rewrite IN OUT</translation>
    </message>
    <message>
        <source>cannot unpack %1: it is missing, damaged or not a notebook package</source>
        <translation>无法解包 %1：它不存在、已损坏或不是笔记本包文件</translation>
    </message>
    <message>
        <source>skipped member &quot;%1&quot;: not a plain file name</source>
        <translation>已跳过成员“%1”：不是普通的文件名</translation>
    </message>
    <message>
        <source>skipped member &quot;%1&quot;: an earlier member has the same name in another letter case</source>
        <translation>已跳过成员“%1”：前面已有一个仅大小写不同的同名成员</translation>
    </message>
    <message>
        <source>cannot write member &quot;%1&quot; into %2</source>
        <translation>无法将成员“%1”写入 %2</translation>
    </message>
    <message>
        <source>compress a file into the notebook&apos;s gzip format</source>
        <translation>将文件压缩为笔记本的 gzip 格式</translation>
    </message>
    <message>
        <source>cannot compress %1 into %2</source>
        <translation>无法将 %1 压缩到 %2</translation>
    </message>
    <message>
        <source>decompress a gzip (or single-entry zip) file</source>
        <translation>解压 gzip（或只含一个条目的 zip）文件</translation>
    </message>
    <message>
        <source>cannot decompress %1: it is missing, damaged or not a gzip or single-entry zip file</source>
        <translation>无法解压 %1：它不存在、已损坏，或不是 gzip 或只含一个条目的 zip 文件</translation>
    </message>
    <message>
        <source>pack the .xtz files of a folder into a notebook package</source>
        <translation>将文件夹中的 .xtz 文件打包为笔记本包文件</translation>
    </message>
    <message>
        <source>cannot pack %1 into %2</source>
        <translation>无法将 %1 打包到 %2</translation>
    </message>
    <message>
        <source>unpack a notebook package into a folder</source>
        <translation>将笔记本包文件解包到文件夹</translation>
    </message>
    <message>
        <source>the notebook %1 is being changed by another oxlin import; try again once it has ended</source>
        <translation>笔记本 %1 正被另一个 oxlin import 更改；请等其结束后重试</translation>
    </message>
    <message>
        <source>cannot read the package %1: no such notebook package (NAME.xzz)</source>
        <translation>无法读取包文件 %1：没有这样的笔记本包文件（NAME.xzz）</translation>
    </message>
    <message>
        <source>cannot import %1: no such file or folder</source>
        <translation>无法导入 %1：没有这样的文件或文件夹</translation>
    </message>
    <message>
        <source>cannot write in %1</source>
        <translation>无法在 %1 中写入</translation>
    </message>
    <message>
        <source>usage: oxlin import PACKAGE PATH... [--into ITEM\PATH] [--markdown]</source>
        <translation>用法：oxlin import PACKAGE PATH... [--into ITEM\PATH] [--markdown]</translation>
    </message>
    <message>
        <source>cannot open %1: its name cannot be a notebook&apos;s</source>
        <translation>无法打开 %1：其名称不能用作笔记本名称</translation>
    </message>
    <message>
        <source>could not save the notebook: %1; what was imported is kept in %2</source>
        <translation>无法保存笔记本：%1；已导入的内容保留在 %2 中</translation>
    </message>
    <message>
        <source>imported %1 topics and %2 folders into %3</source>
        <translation>已将 %1 个主题和 %2 个文件夹导入到 %3</translation>
    </message>
    <message>
        <source>usage: oxlin export PACKAGE ITEM\PATH DEST [--force]</source>
        <translation>用法：oxlin export PACKAGE ITEM\PATH DEST [--force]</translation>
    </message>
    <message>
        <source>cannot export to %1: it already exists (--force replaces it)</source>
        <translation>无法导出到 %1：该位置已存在（--force 可替换它）</translation>
    </message>
    <message>
        <source>cannot export to %1: it is a folder</source>
        <translation>无法导出到 %1：它是一个文件夹</translation>
    </message>
    <message>
        <source>cannot export %1 to %2</source>
        <translation>无法将 %1 导出到 %2</translation>
    </message>
    <message>
        <source>exported %1 files and %2 folders to %3</source>
        <translation>已将 %1 个文件和 %2 个文件夹导出到 %3</translation>
    </message>
    <message>
        <source>import files and folders into a notebook as topics and folders (--markdown: .md files as rich-text topics)</source>
        <translation>将文件和文件夹作为主题和文件夹导入笔记本（--markdown：将 .md 文件导入为 RTF 主题）</translation>
    </message>
    <message>
        <source>export a topic as a file (--force replaces an existing one) or a folder (\ for the whole notebook) as a new folder; --as writes web pages, Markdown files or one PDF</source>
        <translation>将主题导出为文件（--force 替换已有文件），或将文件夹（\ 表示整个笔记本）导出为新文件夹；--as 写出网页、Markdown 文件或一个 PDF</translation>
    </message>
    <message>
        <source>the tree of %1 is damaged: %2 overlong lines and %3 overlong labels skipped, %4 unnamed folders, %5 topic ids renumbered, %6 topics dropped</source>
        <translation>%1 的主题树已损坏：跳过了 %2 个过长的行和 %3 个过长的标签，%4 个文件夹没有名称，%5 个主题编号已重新编排，%6 个主题已丢弃</translation>
    </message>
    <message>
        <source>%1 already exists</source>
        <translation>%1 已存在</translation>
    </message>
    <message>
        <source>cannot prepare the notebook</source>
        <translation>无法准备笔记本</translation>
    </message>
    <message>
        <source>%1 is not a folder</source>
        <translation>%1 不是文件夹</translation>
    </message>
    <message>
        <source>cannot compress %1</source>
        <translation>无法压缩 %1</translation>
    </message>
    <message>
        <source>list the folders and topics of a notebook package</source>
        <translation>列出笔记本包文件中的文件夹和主题</translation>
    </message>
    <message>
        <source>create an empty notebook package</source>
        <translation>新建一个空的笔记本包文件</translation>
    </message>
    <message>
        <source>make a notebook package of a folder tree of files (folders and topics in name order)</source>
        <translation>将由文件构成的文件夹树制作成笔记本包文件（文件夹和主题按名称排序）</translation>
    </message>
    <message>
        <source>%1 holds no notebook</source>
        <translation>%1 中没有笔记本</translation>
    </message>
    <message>
        <source>list the topics whose text (or, with --titles, whose label) holds a keyword; a folder stands for its notebooks</source>
        <translation>列出文本（使用 --titles 时为标签）含有关键字的主题；文件夹代表其中的所有笔记本</translation>
    </message>
</context>
<context>
    <name>oxlin::publish::PdfExport</name>
    <message>
        <source>A file, not shown here.</source>
        <translation>一个文件，此处不显示其内容。</translation>
    </message>
</context>
<context>
    <name>oxlin::session::Welcome</name>
    <message>
        <source>Welcome to Oxlin Notebook!

Keep your notes as topics in folders: the tree on the left holds them.
For help at any time, press F1 or choose Help &gt; Help Topics.

This topic is yours: change it or delete it when you no longer need it.
</source>
        <translation>欢迎使用 Oxlin Notebook！

笔记以主题的形式保存在文件夹中：左侧的树列出了它们。
随时按 F1 或选择“帮助 &gt; 帮助主题”即可获得帮助。

这个主题归您所有：不再需要时，可以修改或删除它。
</translation>
    </message>
</context>
<context>
    <name>oxlin::spelling::Speller</name>
    <message>
        <source>%1 cannot be read</source>
        <translation>无法读取 %1</translation>
    </message>
    <message>
        <source>%1 is empty</source>
        <translation>%1 为空</translation>
    </message>
    <message>
        <source>%1 does not start with its word count</source>
        <translation>%1 的开头不是其单词数</translation>
    </message>
</context>
<context>
    <name>oxlin::viewer::ViewerApplication</name>
    <message>
        <source>Vistelo cannot create its working folder in &quot;%1&quot;.</source>
        <translation>Vistelo 无法在“%1”中创建工作文件夹。</translation>
    </message>
    <message>
        <source>The notebook package &quot;%1&quot; is damaged and could not be read.</source>
        <translation>笔记本包文件“%1”已损坏，无法读取。</translation>
    </message>
    <message>
        <source>Vistelo: reads an Oxlin notebook package without changing it.</source>
        <translation>Vistelo：读取 Oxlin 笔记本包文件，不做任何更改。</translation>
    </message>
    <message>
        <source>The notebook package to show (default: OxlinHelp.xzz beside the program).</source>
        <translation>要显示的笔记本包文件（默认为程序旁边的 OxlinHelp.xzz）。</translation>
    </message>
</context>
<context>
    <name>oxlin::viewer::ViewerController</name>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
</context>
<context>
    <name>oxlin::viewer::ViewerRules</name>
    <message>
        <source>%1 - [%2]</source>
        <translation>%1 - [%2]</translation>
    </message>
    <message>
        <source>OxlinViewer</source>
        <translation>OxlinViewer</translation>
    </message>
    <message>
        <source>Vistelo</source>
        <translation>Vistelo</translation>
    </message>
    <message>
        <source>File not found.</source>
        <translation>找不到文件。</translation>
    </message>
</context>
<context>
    <name>oxlin::viewer::ViewerWindow</name>
    <message>
        <source>Word Wrap</source>
        <translation>自动换行</translation>
    </message>
    <message>
        <source>Find...</source>
        <translation>查找...</translation>
    </message>
    <message>
        <source>Copy</source>
        <translation>复制</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
</context>
</TS>
