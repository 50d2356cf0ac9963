<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_CN">
<context>
    <name>ArchiveFailure</name>
    <message>
        <source>the archive is damaged</source>
        <translation>档案已损坏</translation>
    </message>
    <message>
        <source>the archive cannot be written</source>
        <translation>无法写入档案</translation>
    </message>
    <message>
        <source>the team archive cannot be reached</source>
        <translation>无法连接团队档案</translation>
    </message>
    <message>
        <source>the team archive refused the connection</source>
        <translation>团队档案拒绝了连接</translation>
    </message>
    <message>
        <source>the team archive&apos;s tables are missing or of another version</source>
        <translation>团队档案的数据表缺失或版本不同</translation>
    </message>
    <message>
        <source>the archive cannot be used</source>
        <translation>无法使用档案</translation>
    </message>
</context>
<context>
    <name>ArchiveKind</name>
    <message>
        <source>received</source>
        <extracomment>An archive entry the instrument sent on its own</extracomment>
        <translation>已接收</translation>
    </message>
    <message>
        <source>captured</source>
        <extracomment>An archive entry asked for from the instrument by memory number</extracomment>
        <translation>已采集</translation>
    </message>
    <message>
        <source>loaded</source>
        <extracomment>An archive entry read from a bank file</extracomment>
        <translation>已载入</translation>
    </message>
    <message>
        <source>notes</source>
        <extracomment>An archive entry made when notes were saved</extracomment>
        <translation>备注</translation>
    </message>
</context>
<context>
    <name>AscanMeasure</name>
    <message>
        <source>Sample %1   Amplitude %2 %</source>
        <translation>采样点 %1   幅度 %2 %</translation>
    </message>
    <message>
        <source>Sample %1   Path %2   Amplitude %3 %</source>
        <translation>采样点 %1   声程 %2   幅度 %3 %</translation>
    </message>
</context>
<context>
    <name>BankFile</name>
    <message>
        <source>%1: memory %2, position %3: %4</source>
        <translation>%1：存储 %2，位置 %3：%4</translation>
    </message>
</context>
<context>
    <name>BankReader</name>
    <message>
        <source>the file ends after %1 of its %2 numbers</source>
        <translation>文件在 %2 个数字中的第 %1 个之后结束</translation>
    </message>
    <message>
        <source>&quot;%1&quot; is not a number</source>
        <translation>“%1”不是数字</translation>
    </message>
    <message>
        <source>%1 is not a value from 0 to 255</source>
        <translation>%1 不是 0 到 255 之间的值</translation>
    </message>
</context>
<context>
    <name>BankTable</name>
    <message>
        <source>Time and date</source>
        <translation>时间和日期</translation>
    </message>
    <message>
        <source>RANGE</source>
        <translation>范围</translation>
    </message>
    <message>
        <source>VEL M/S</source>
        <translation>声速 M/S</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>延迟</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>REF</source>
        <translation>参考</translation>
    </message>
    <message>
        <source>ANGLE</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>GATE 1</source>
        <translation>闸门 1</translation>
    </message>
    <message>
        <source>START 1</source>
        <translation>起点 1</translation>
    </message>
    <message>
        <source>END 1</source>
        <translation>终点 1</translation>
    </message>
    <message>
        <source>LEVEL 1</source>
        <translation>阈值 1</translation>
    </message>
    <message>
        <source>GATE 2</source>
        <translation>闸门 2</translation>
    </message>
    <message>
        <source>START 2</source>
        <translation>起点 2</translation>
    </message>
    <message>
        <source>END 2</source>
        <translation>终点 2</translation>
    </message>
    <message>
        <source>LEVEL 2</source>
        <translation>阈值 2</translation>
    </message>
    <message>
        <source>DAC</source>
        <translation>DAC</translation>
    </message>
    <message>
        <source>Beam Path</source>
        <translation>声程</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>表面距离</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>深度</translation>
    </message>
</context>
<context>
    <name>FileFailure</name>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: no file name was given.</source>
        <translation>存储库未保存到“%1”：未指定文件名。</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: that is a folder, not a file.</source>
        <translation>存储库未保存到“%1”：这是文件夹，不是文件。</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: that is a device or a pipe, not a file.</source>
        <translation>存储库未保存到“%1”：这是设备或管道，不是文件。</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: the folder &quot;%2&quot; does not exist.</source>
        <translation>存储库未保存到“%1”：文件夹“%2”不存在。</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: the file cannot be written (%2).</source>
        <translation>存储库未保存到“%1”：无法写入该文件（%2）。</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: writing failed (%2). A file already there keeps its old contents.</source>
        <translation>存储库未保存到“%1”：写入失败（%2）。已有的文件保留原有内容。</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: the new file could not replace the old one (%2). The old file keeps its contents.</source>
        <translation>存储库未保存到“%1”：新文件无法替换旧文件（%2）。旧文件保留原有内容。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: there is no such file. Nothing was changed.</source>
        <translation>无法打开“%1”：文件不存在。未做任何更改。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: it is a folder. Nothing was changed.</source>
        <translation>无法打开“%1”：这是文件夹。未做任何更改。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: it is a device or a pipe, not a file. Nothing was changed.</source>
        <translation>无法打开“%1”：这是设备或管道，不是文件。未做任何更改。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be opened: %2. Nothing was changed.</source>
        <translation>无法打开“%1”：%2。未做任何更改。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be loaded as a bank file: %2. Nothing was changed.</source>
        <translation>无法将“%1”作为存储库文件载入：%2。未做任何更改。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be imported as a waveform file: %2. Nothing was changed.</source>
        <translation>无法将“%1”作为波形文件导入：%2。未做任何更改。</translation>
    </message>
    <message>
        <source>The bank was not saved to &quot;%1&quot;: %2</source>
        <translation>存储库未保存到“%1”：%2</translation>
    </message>
</context>
<context>
    <name>InputFile</name>
    <message>
        <source>it is a device or a pipe, not a file</source>
        <translation>这是设备或管道，不是文件</translation>
    </message>
    <message>
        <source>it is a folder</source>
        <translation>这是文件夹</translation>
    </message>
</context>
<context>
    <name>LoadedFile</name>
    <message>
        <source>memory %1, position %2: %3</source>
        <translation>存储 %1，位置 %2：%3</translation>
    </message>
    <message>
        <source>it holds %1 bytes, far more than a bank file&apos;s %2</source>
        <translation>它有 %1 字节，远多于存储库文件的 %2 字节</translation>
    </message>
</context>
<context>
    <name>MemoryListParser</name>
    <message>
        <source>&quot;%1&quot; is not a memory or a range of memories from 1 to 200</source>
        <translation>“%1”不是 1 到 200 之间的存储号或存储范围</translation>
    </message>
</context>
<context>
    <name>NoteLines</name>
    <message>
        <source>Operator Name/Code</source>
        <translation>检测员姓名/代码</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>分局</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>区段</translation>
    </message>
    <message>
        <source>Km. Post</source>
        <translation>公里标</translation>
    </message>
    <message>
        <source>Rail LH/RH  &amp;  Up/Dn</source>
        <translation>钢轨 左/右 及 上/下行</translation>
    </message>
    <message>
        <source>Deffect Location</source>
        <translation>缺陷位置</translation>
    </message>
    <message>
        <source>Rolling Mark</source>
        <translation>轧制标记</translation>
    </message>
    <message>
        <source>Type of Probe</source>
        <translation>探头类型</translation>
    </message>
    <message>
        <source>Flaw Code</source>
        <translation>缺陷代码</translation>
    </message>
    <message>
        <source>Def. Class OBS/IMR/REM</source>
        <translation>缺陷等级 OBS/IMR/REM</translation>
    </message>
    <message>
        <source>Prev. Defect Class</source>
        <translation>上次缺陷等级</translation>
    </message>
    <message>
        <source>Peak Patt. Detail</source>
        <translation>波峰形态详情</translation>
    </message>
</context>
<context>
    <name>PanelTexts</name>
    <message>
        <source>ZERO</source>
        <translation>零点</translation>
    </message>
    <message>
        <source>RANGE</source>
        <translation>范围</translation>
    </message>
    <message>
        <source>VEL M/S</source>
        <translation>声速 M/S</translation>
    </message>
    <message>
        <source>DELAY</source>
        <translation>延迟</translation>
    </message>
    <message>
        <source>Gain</source>
        <translation>增益</translation>
    </message>
    <message>
        <source>GATE 1</source>
        <translation>闸门 1</translation>
    </message>
    <message>
        <source>START</source>
        <translation>起点</translation>
    </message>
    <message>
        <source>END</source>
        <translation>终点</translation>
    </message>
    <message>
        <source>LEVEL</source>
        <translation>阈值</translation>
    </message>
    <message>
        <source>GATE 2</source>
        <translation>闸门 2</translation>
    </message>
    <message>
        <source>MEM</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>MEM NO</source>
        <translation>存储号</translation>
    </message>
    <message>
        <source>ACTION</source>
        <translation>操作</translation>
    </message>
    <message>
        <source>REF</source>
        <translation>参考</translation>
    </message>
    <message>
        <source>REJECT</source>
        <translation>抑制</translation>
    </message>
    <message>
        <source>SET REF</source>
        <translation>设参考</translation>
    </message>
    <message>
        <source>VIDEO</source>
        <translation>视频</translation>
    </message>
    <message>
        <source>MODE</source>
        <translation>模式</translation>
    </message>
    <message>
        <source>CLOCK</source>
        <translation>时钟</translation>
    </message>
    <message>
        <source>COLOR</source>
        <translation>颜色</translation>
    </message>
    <message>
        <source>HORN</source>
        <translation>喇叭</translation>
    </message>
    <message>
        <source>BRIGHT</source>
        <translation>亮度</translation>
    </message>
    <message>
        <source>DAC</source>
        <translation>DAC</translation>
    </message>
    <message>
        <source>CURSOR</source>
        <translation>光标</translation>
    </message>
    <message>
        <source>POINT</source>
        <translation>点</translation>
    </message>
    <message>
        <source>PRESS</source>
        <translation>按下</translation>
    </message>
    <message>
        <source>MEASURE</source>
        <translation>测量</translation>
    </message>
    <message>
        <source>X-OFF</source>
        <translation>X偏移</translation>
    </message>
    <message>
        <source>ANGLE</source>
        <translation>角度</translation>
    </message>
    <message>
        <source>THICK</source>
        <translation>厚度</translation>
    </message>
    <message>
        <source>HUD</source>
        <translation>HUD</translation>
    </message>
    <message>
        <source>BEEP</source>
        <translation>蜂鸣</translation>
    </message>
    <message>
        <source>Beam Path</source>
        <translation>声程</translation>
    </message>
    <message>
        <source>Surface</source>
        <translation>表面距离</translation>
    </message>
    <message>
        <source>Depth</source>
        <translation>深度</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>the record carries no memory number</source>
        <translation>该记录没有存储号</translation>
    </message>
    <message>
        <source>memory number %1 is above %2</source>
        <translation>存储号 %1 大于 %2</translation>
    </message>
    <message>
        <source>memory number %1 is not valid</source>
        <translation>存储号 %1 无效</translation>
    </message>
</context>
<context>
    <name>RecoveryFormat</name>
    <message>
        <source>it does not start with &quot;%1&quot;</source>
        <translation>它不是以“%1”开头</translation>
    </message>
    <message>
        <source>line %1 holds %2 numbers instead of %3</source>
        <translation>第 %1 行有 %2 个数字，而不是 %3 个</translation>
    </message>
    <message>
        <source>line %1 names no memory row</source>
        <translation>第 %1 行没有指明存储行</translation>
    </message>
    <message>
        <source>line %1 has no mark 0 or 1</source>
        <translation>第 %1 行没有标记 0 或 1</translation>
    </message>
    <message>
        <source>line %1, position %2 is not a value</source>
        <translation>第 %1 行位置 %2 不是数值</translation>
    </message>
</context>
<context>
    <name>ReportError</name>
    <message>
        <source>unknown error</source>
        <translation>未知错误</translation>
    </message>
    <message>
        <source>no error</source>
        <translation>无错误</translation>
    </message>
    <message>
        <source>no printer is set up</source>
        <translation>未设置打印机</translation>
    </message>
    <message>
        <source>the printer cannot start a print job</source>
        <translation>打印机无法开始打印作业</translation>
    </message>
    <message>
        <source>the printer cannot start a new page</source>
        <translation>打印机无法开始新的一页</translation>
    </message>
    <message>
        <source>the printer reported an error at the end of the job</source>
        <translation>打印机在作业结束时报告了错误</translation>
    </message>
    <message>
        <source>the output file cannot be created</source>
        <translation>无法创建输出文件</translation>
    </message>
    <message>
        <source>the output file cannot be written completely</source>
        <translation>无法完整写入输出文件</translation>
    </message>
    <message>
        <source>the document cannot be assembled</source>
        <translation>无法生成文档</translation>
    </message>
    <message>
        <source>The Report can&apos;t be printed.</source>
        <translation>无法打印检测报告。</translation>
    </message>
    <message>
        <source>Word Doc file is created</source>
        <translation>已创建 Word 文档</translation>
    </message>
</context>
<context>
    <name>TableExport</name>
    <message>
        <source>cannot replace the file</source>
        <translation>无法替换该文件</translation>
    </message>
    <message>
        <source>cannot create the workbook</source>
        <translation>无法创建工作簿</translation>
    </message>
</context>
<context>
    <name>TeamStatus</name>
    <message>
        <source>Team archive: up to date</source>
        <translation>团队档案：已同步</translation>
    </message>
    <message numerus="yes">
        <source>Team archive: offline, %n waiting</source>
        <translation>
            <numerusform>团队档案：离线，%n 条等待上传</numerusform>
        </translation>
    </message>
    <message>
        <source>Team archive: %1</source>
        <translation>团队档案：%1</translation>
    </message>
</context>
<context>
    <name>WaveformFile</name>
    <message>
        <source>a waveform file needs at least %1 bytes, this one has %2</source>
        <translation>波形文件至少需要 %1 字节，此文件只有 %2 字节</translation>
    </message>
    <message>
        <source>a file of %1 bytes is a bank file, not a waveform file (waveform files have fewer than %2 bytes)</source>
        <translation>%1 字节的文件是存储库文件，不是波形文件（波形文件少于 %2 字节）</translation>
    </message>
</context>
<context>
    <name>quillon::AboutBox</name>
    <message>
        <source>Version %1.%2.%3</source>
        <translation>版本 %1.%2.%3</translation>
    </message>
    <message>
        <source>About %1</source>
        <translation>关于 %1</translation>
    </message>
    <message>
        <source>Application for to Transfer Data from Rail Tester  to PC</source>
        <translation>将钢轨探伤仪数据传输到电脑的程序</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
</context>
<context>
    <name>quillon::ArchiveController</name>
    <message>
        <source>archive entry of %1 (Mem %2)</source>
        <translation>%1 的档案条目（存储 %2）</translation>
    </message>
    <message>
        <source>In the bank, Mem %1 holds a later record or notes not saved yet. Replace it with the entry chosen here?</source>
        <translation>存储库中的存储 %1 含有更新的记录或尚未保存的备注。要用此处选择的条目替换吗？</translation>
    </message>
    <message>
        <source>Restore to bank</source>
        <translation>恢复到存储库</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>Keep those</source>
        <translation>保留这些</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>档案</translation>
    </message>
    <message>
        <source>Export Bank File</source>
        <translation>导出存储库文件</translation>
    </message>
    <message>
        <source>Bank files (*.dat)</source>
        <translation>存储库文件 (*.dat)</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>The archive cannot be read: %1</source>
        <translation>无法读取档案：%1</translation>
    </message>
    <message numerus="yes">
        <source>%n entries restored to the bank.</source>
        <translation>
            <numerusform>已将 %n 个条目恢复到存储库。</numerusform>
        </translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written (%2).</source>
        <translation>无法写入“%1”（%2）。</translation>
    </message>
    <message>
        <source>Bank file written: %1</source>
        <translation>已写入存储库文件：%1</translation>
    </message>
    <message>
        <source>The Report can&apos;t be printed.</source>
        <translation>无法打印检测报告。</translation>
    </message>
    <message>
        <source>PDF written: %1</source>
        <translation>已写入 PDF：%1</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
</context>
<context>
    <name>quillon::ArchiveListModel</name>
    <message>
        <source>PC</source>
        <translation>电脑</translation>
    </message>
    <message>
        <source>User</source>
        <translation>用户</translation>
    </message>
    <message>
        <source>Time</source>
        <translation>时间</translation>
    </message>
    <message>
        <source>Kind</source>
        <translation>类型</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Source</source>
        <translation>来源</translation>
    </message>
    <message>
        <source>Notes</source>
        <translation>备注</translation>
    </message>
</context>
<context>
    <name>quillon::ArchiveWindow</name>
    <message>
        <source>This PC</source>
        <translation>本机</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>团队</translation>
    </message>
    <message>
        <source>Archive</source>
        <translation>档案</translation>
    </message>
    <message>
        <source>Search the notes</source>
        <translation>搜索备注</translation>
    </message>
    <message>
        <source>Mem </source>
        <extracomment>The prefix of the memory number, as in &quot;Mem 9&quot;</extracomment>
        <translation>存储 </translation>
    </message>
    <message>
        <source>Every memory</source>
        <translation>全部存储</translation>
    </message>
    <message>
        <source>From</source>
        <translation>从</translation>
    </message>
    <message>
        <source>To</source>
        <translation>到</translation>
    </message>
    <message>
        <source>Restore to bank</source>
        <translation>恢复到存储库</translation>
    </message>
    <message>
        <source>Export Bank File</source>
        <translation>导出存储库文件</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>The archive cannot be read: %1</source>
        <translation>无法读取档案：%1</translation>
    </message>
    <message>
        <source>No entries.</source>
        <translation>没有条目。</translation>
    </message>
</context>
<context>
    <name>quillon::AscanToolsController</name>
    <message>
        <source>Sample 249   Path 1234.56   Amplitude 100 %  </source>
        <extracomment>The widest cursor readout, only measured for the label&apos;s width: translate it as the readout under the A-scan is translated.</extracomment>
        <translation>采样 249   声程 1234.56   幅度 100 %  </translation>
    </message>
    <message>
        <source>A-scan</source>
        <translation>A扫描</translation>
    </message>
    <message>
        <source>Copy A-scan</source>
        <translation>复制A扫描</translation>
    </message>
    <message>
        <source>Save A-scan image</source>
        <translation>保存A扫描图像</translation>
    </message>
    <message>
        <source>Whole trace</source>
        <translation>完整波形</translation>
    </message>
    <message>
        <source>Clear comparison</source>
        <translation>清除对比</translation>
    </message>
    <message>
        <source>Compare with the trace on display</source>
        <translation>与当前显示的波形对比</translation>
    </message>
    <message>
        <source>Nothing to compare: %1 holds no record.</source>
        <translation>无可对比：%1 没有记录。</translation>
    </message>
    <message>
        <source>A-scan copied</source>
        <translation>A扫描已复制</translation>
    </message>
    <message>
        <source>A-scan image not saved to %1: %2</source>
        <translation>A扫描图像未保存到 %1：%2</translation>
    </message>
    <message>
        <source>A-scan image saved to %1</source>
        <translation>A扫描图像已保存到 %1</translation>
    </message>
    <message>
        <source>PNG image (*.png)</source>
        <translation>PNG 图像 (*.png)</translation>
    </message>
    <message>
        <source>SVG image (*.svg)</source>
        <translation>SVG 图像 (*.svg)</translation>
    </message>
</context>
<context>
    <name>quillon::BankListModel</name>
    <message>
        <source>✎ Notes typed and not saved yet: open the memory and press &quot;S  A  V  E&quot; to store them.</source>
        <translation>✎ 已输入但尚未保存的备注：打开该存储并按“保  存”进行保存。</translation>
    </message>
    <message>
        <source>On display</source>
        <translation>当前显示</translation>
    </message>
    <message>
        <source>Mem %1</source>
        <extracomment>An item of the memory list; a marked memory has &quot; *&quot; after it</extracomment>
        <translation>存储 %1</translation>
    </message>
</context>
<context>
    <name>quillon::BankOverviewWindow</name>
    <message>
        <source>Table written: %1 (1 memory)</source>
        <translation>表格已写入：%1（1 个存储）</translation>
    </message>
    <message>
        <source>Bank overview</source>
        <translation>存储库概览</translation>
    </message>
    <message>
        <source>Filter: any text of a row, e.g. KM 121</source>
        <translation>筛选：行中的任意文字，例如 KM 121</translation>
    </message>
    <message>
        <source>All 200 memories</source>
        <translation>全部 200 个存储</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>导出表格</translation>
    </message>
    <message numerus="yes">
        <source>%n of 200 memories shown</source>
        <translation>
            <numerusform>显示 200 个存储中的 %n 个</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>%n marked memories shown</source>
        <translation>
            <numerusform>显示 %n 个已标记的存储</numerusform>
        </translation>
    </message>
    <message numerus="yes">
        <source>Table written: %1 (%n memories)</source>
        <translation>
            <numerusform>表格已写入：%1（%n 个存储）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillon::BankSaver</name>
    <message>
        <source>the drive is read-only</source>
        <translation>驱动器为只读</translation>
    </message>
    <message>
        <source>the file is read-only</source>
        <translation>文件为只读</translation>
    </message>
</context>
<context>
    <name>quillon::BankTableModel</name>
    <message>
        <source>A-scan</source>
        <translation>A扫描</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>Marked</source>
        <translation>已标记</translation>
    </message>
    <message>
        <source>Tested</source>
        <translation>检测时间</translation>
    </message>
    <message>
        <source>yes</source>
        <extracomment>A marked memory in the bank overview&apos;s &quot;Marked&quot; column</extracomment>
        <translation>是</translation>
    </message>
</context>
<context>
    <name>quillon::Capture</name>
    <message>
        <source>A capture is already running.</source>
        <translation>已有采集正在进行。</translation>
    </message>
    <message>
        <source>No serial port is open: choose one under Option.</source>
        <translation>没有打开串口：请在“选项”中选择一个。</translation>
    </message>
    <message>
        <source>A record is arriving from the instrument: capture when it has been received.</source>
        <translation>仪器正在发送记录：请在接收完毕后再采集。</translation>
    </message>
</context>
<context>
    <name>quillon::CaptureProgress</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>Stop after the memory being received now; the instrument is released</source>
        <translation>在当前正在接收的存储之后停止；仪器将被释放</translation>
    </message>
    <message numerus="yes">
        <source>Capture of %n memories</source>
        <translation>
            <numerusform>采集 %n 个存储</numerusform>
        </translation>
    </message>
    <message>
        <source>Capture: memory %1 of %2 (Mem %3), cancelling after this one</source>
        <translation>采集：第 %1 个，共 %2 个（存储 %3），此后取消</translation>
    </message>
    <message>
        <source>Capture: memory %1 of %2 (Mem %3)</source>
        <translation>采集：第 %1 个，共 %2 个（存储 %3）</translation>
    </message>
    <message>
        <source>Capture: memory %1 of %2, cancelling after this one</source>
        <translation>采集：第 %1 个，共 %2 个，此后取消</translation>
    </message>
    <message>
        <source>Capture: memory %1 of %2</source>
        <translation>采集：第 %1 个，共 %2 个</translation>
    </message>
</context>
<context>
    <name>quillon::FileOpener</name>
    <message>
        <source>File Open</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>The bank holds received records or notes that are in no bank file yet. Loading &quot;%1&quot; replaces the whole bank.</source>
        <translation>存储库中有尚未保存到任何存储库文件的已接收记录或备注。载入“%1”将替换整个存储库。</translation>
    </message>
    <message>
        <source>Load</source>
        <translation>载入</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>quillon::FilesController</name>
    <message>
        <source>waveform file %1</source>
        <translation>波形文件 %1</translation>
    </message>
    <message>
        <source>Waveform file opened: %1</source>
        <translation>已打开波形文件：%1</translation>
    </message>
    <message>
        <source>%1 (shown before %2 was opened)</source>
        <translation>%1（打开 %2 之前显示的）</translation>
    </message>
    <message numerus="yes">
        <source>Bank opened: %1 (%n received memories)</source>
        <translation>
            <numerusform>已打开存储库：%1（%n 个已接收的存储）</numerusform>
        </translation>
    </message>
    <message>
        <source>Bank saved to %1</source>
        <translation>存储库已保存到 %1</translation>
    </message>
    <message>
        <source>Notes typed under Mem %1 were not stored with &quot;S  A  V  E&quot;; Save stores them into their memories first.</source>
        <translation>在存储 %1 下输入的备注尚未用“S  A  V  E”保存；“保存”会先将它们存入各自的存储。</translation>
    </message>
    <message>
        <source>Save them before the program ends?</source>
        <translation>在程序结束前保存吗？</translation>
    </message>
    <message>
        <source>They go back on top of &quot;%1&quot;, the bank file that was open then.</source>
        <translation>它们将覆盖在当时打开的存储库文件“%1”之上。</translation>
    </message>
    <message>
        <source>Bank opened: %1, with Mem %2 restored on top of it (not saved yet).</source>
        <translation>已打开存储库：%1，并在其上恢复了存储 %2（尚未保存）。</translation>
    </message>
    <message>
        <source>Mem %1 restored into the bank (not saved yet).</source>
        <translation>存储 %1 已恢复到存储库（尚未保存）。</translation>
    </message>
    <message>
        <source>Only the first file is opened: %1</source>
        <translation>只打开第一个文件：%1</translation>
    </message>
    <message>
        <source>Bank not saved</source>
        <translation>存储库未保存</translation>
    </message>
    <message>
        <source>The bank holds received records or notes that are in no bank file yet.</source>
        <translation>存储库中有尚未保存到任何存储库文件的已接收记录或备注。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Discard</source>
        <translation>放弃</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The program ended before these memories were saved: %1. They were kept in &quot;%2&quot;. Restore them into the bank?</source>
        <translation>程序在保存这些存储之前结束了：%1。它们保存在“%2”中。要恢复到存储库吗？</translation>
    </message>
    <message>
        <source>Restore</source>
        <translation>恢复</translation>
    </message>
    <message>
        <source>Later</source>
        <translation>稍后</translation>
    </message>
</context>
<context>
    <name>quillon::GateReadoutTable</name>
    <message>
        <source>Gate</source>
        <translation>闸门</translation>
    </message>
    <message>
        <source>Amplitude</source>
        <translation>幅度</translation>
    </message>
    <message>
        <source>Sound path</source>
        <translation>声程</translation>
    </message>
    <message>
        <source>Sample</source>
        <translation>采样点</translation>
    </message>
    <message>
        <source>dB to level</source>
        <translation>与阈值差 dB</translation>
    </message>
    <message>
        <source>DAC height</source>
        <translation>DAC高度</translation>
    </message>
    <message>
        <source>dB to DAC</source>
        <translation>与DAC差 dB</translation>
    </message>
    <message>
        <source>No sample lies inside gate %1.</source>
        <translation>闸门 %1 内没有采样点。</translation>
    </message>
</context>
<context>
    <name>quillon::InstrumentLink</name>
    <message>
        <source>Port %1 lost: %2</source>
        <translation>端口 %1 已断开：%2</translation>
    </message>
</context>
<context>
    <name>quillon::LanguageController</name>
    <message>
        <source>Language</source>
        <translation>语言</translation>
    </message>
    <message>
        <source>System language</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>the system&apos;s language</source>
        <translation>系统语言</translation>
    </message>
    <message>
        <source>The window will be in %1 from the next start.</source>
        <translation>下次启动后，窗口将使用%1。</translation>
    </message>
</context>
<context>
    <name>quillon::LinkController</name>
    <message>
        <source>Mem %1 received</source>
        <translation>已接收存储 %1</translation>
    </message>
    <message>
        <source>%1: %2</source>
        <translation>%1：%2</translation>
    </message>
    <message>
        <source>&quot;%1&quot;: %2</source>
        <translation>“%1”：%2</translation>
    </message>
    <message>
        <source>%1. It opens again by itself when it comes back, or choose another port under Option.</source>
        <translation>%1。端口恢复后会自动重新打开，也可在“选项”中选择其他端口。</translation>
    </message>
    <message>
        <source>Port %1 is open.</source>
        <translation>端口 %1 已打开。</translation>
    </message>
    <message>
        <source>No serial port is open: records can be neither received nor captured. Choose a port under Option.</source>
        <translation>没有打开串口：无法接收或采集记录。请在“选项”中选择端口。</translation>
    </message>
    <message>
        <source>Capture stopped, the port is closed: %1 stored, %2 not captured.</source>
        <translation>采集已停止，端口已关闭：%1 个已存储，%2 个未采集。</translation>
    </message>
    <message>
        <source>No memory is selected: the instrument was released.</source>
        <translation>未选择存储：仪器已释放。</translation>
    </message>
    <message>
        <source>Capture cancelled: %1 stored, %2 without reply (still selected).</source>
        <translation>采集已取消：%1 个已存储，%2 个无应答（仍处于选中状态）。</translation>
    </message>
    <message>
        <source>Capture cancelled: %1 stored, %2 without reply.</source>
        <translation>采集已取消：%1 个已存储，%2 个无应答。</translation>
    </message>
    <message>
        <source>Capture ended: %1 stored, %2 without reply (still selected).</source>
        <translation>采集已结束：%1 个已存储，%2 个无应答（仍处于选中状态）。</translation>
    </message>
    <message>
        <source>Capture ended: %1 stored, %2 without reply.</source>
        <translation>采集已结束：%1 个已存储，%2 个无应答。</translation>
    </message>
    <message>
        <source>Port %1 is back and open again.</source>
        <translation>端口 %1 已恢复并重新打开。</translation>
    </message>
    <message>
        <source>Port configuratin file is lost so select apropriate serial port which is necessary </source>
        <translation>端口配置文件丢失，请选择合适的串口。</translation>
    </message>
    <message>
        <source>File Error</source>
        <translation>文件错误</translation>
    </message>
</context>
<context>
    <name>quillon::MainWindow</name>
    <message>
        <source>Discard typed notes</source>
        <translation>放弃输入的备注</translation>
    </message>
    <message>
        <source>sample echo</source>
        <translation>示例回波</translation>
    </message>
    <message>
        <source>Mem %1</source>
        <translation>存储 %1</translation>
    </message>
    <message>
        <source>%1 — %2</source>
        <translation>%1 — %2</translation>
    </message>
    <message>
        <source>%1 on display</source>
        <translation>正在显示 %1</translation>
    </message>
    <message>
        <source>%1.</source>
        <extracomment>A status line ended with a full stop.</extracomment>
        <translation>%1。</translation>
    </message>
    <message>
        <source>%1 — your notes on Mem %2 are kept as a draft.</source>
        <translation>%1 — 您在存储 %2 上的备注已保留为草稿。</translation>
    </message>
    <message>
        <source>The notes typed under Mem %1 were discarded.</source>
        <translation>已放弃在存储 %1 下输入的备注。</translation>
    </message>
    <message>
        <source>The user manual is not installed.</source>
        <translation>未安装用户手册。</translation>
    </message>
    <message>
        <source>File</source>
        <translation>文件</translation>
    </message>
    <message>
        <source>New</source>
        <translation>新建</translation>
    </message>
    <message>
        <source>Open</source>
        <translation>打开</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Save as Word Doc</source>
        <translation>另存为 Word 文档</translation>
    </message>
    <message>
        <source>PrintSetup</source>
        <translation>打印设置</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Exit</source>
        <translation>退出</translation>
    </message>
    <message>
        <source>Option</source>
        <extracomment>Menu bar entry without items: opens the serial port selection.</extracomment>
        <translation>选项</translation>
    </message>
    <message>
        <source>Help</source>
        <translation>帮助</translation>
    </message>
    <message>
        <source>Help Topic</source>
        <translation>帮助主题</translation>
    </message>
    <message>
        <source>About Data Capture</source>
        <translation>关于数据采集</translation>
    </message>
    <message>
        <source>Capture</source>
        <extracomment>Button: asks the instrument for the memories selected in the list.</extracomment>
        <translation>采集</translation>
    </message>
    <message>
        <source>A  Scan</source>
        <extracomment>Caption above the echo trace (A-scan).</extracomment>
        <translation>A扫描</translation>
    </message>
    <message>
        <source>Notes not saved: the record on display is not a memory of the bank. Open a memory from the list first.</source>
        <translation>备注未保存：当前显示的记录不属于存储库的存储。请先从列表中打开一个存储。</translation>
    </message>
    <message>
        <source>Notes saved into Mem %1</source>
        <translation>备注已保存到存储 %1</translation>
    </message>
    <message>
        <source>Tools</source>
        <translation>工具</translation>
    </message>
</context>
<context>
    <name>quillon::ManualWindow</name>
    <message>
        <source>User manual</source>
        <translation>用户手册</translation>
    </message>
    <message>
        <source>Back</source>
        <translation>返回</translation>
    </message>
    <message>
        <source>Find:</source>
        <translation>查找：</translation>
    </message>
    <message>
        <source>Text in the manual (Enter: next, Shift+Enter: previous)</source>
        <translation>手册中的文字（Enter：下一个，Shift+Enter：上一个）</translation>
    </message>
</context>
<context>
    <name>quillon::NoteLinesPanel</name>
    <message>
        <source>&quot;%1&quot; cannot be stored: the instrument&apos;s character set has no such character.</source>
        <translation>无法保存“%1”：仪器的字符集中没有该字符。</translation>
    </message>
    <message>
        <source>S  A  V  E</source>
        <translation>保  存</translation>
    </message>
</context>
<context>
    <name>quillon::OpenWindow</name>
    <message>
        <source>File Open</source>
        <translation>打开文件</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
</context>
<context>
    <name>quillon::OverviewController</name>
    <message>
        <source>Bank overview</source>
        <translation>存储库概览</translation>
    </message>
    <message>
        <source>Export table</source>
        <translation>导出表格</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>The table can&apos;t be written to &quot;%1&quot;: %2</source>
        <translation>无法将表格写入“%1”：%2</translation>
    </message>
    <message numerus="yes">
        <source>Table written: %1 (%n memories)</source>
        <translation>
            <numerusform>表格已写入：%1（%n 个存储）</numerusform>
        </translation>
    </message>
</context>
<context>
    <name>quillon::PortConfig</name>
    <message>
        <source>it names no port</source>
        <translation>其中未指定端口</translation>
    </message>
</context>
<context>
    <name>quillon::PortPermission</name>
    <message>
        <source>Permission denied on %1, which belongs to no named group: ask the administrator to give you read and write access to it.</source>
        <translation>无权访问 %1，它不属于任何有名称的组：请让管理员为您开放读写权限。</translation>
    </message>
    <message>
        <source>Permission denied on %1, owned by group %2, which may not read and write it: ask the administrator to give you access to it.</source>
        <translation>无权访问 %1，它属于组 %2，而该组不能读写它：请让管理员为您开放访问权限。</translation>
    </message>
    <message>
        <source>Permission denied on %1, owned by group %2: you were added to %2 after this session began. Log out and log in again.</source>
        <translation>无权访问 %1，它属于组 %2：您是在本次会话开始后才加入 %2 的。请注销并重新登录。</translation>
    </message>
    <message>
        <source>Permission denied on %1, owned by group %2: add yourself to %2 (sudo adduser $USER %2) and log in again.</source>
        <translation>无权访问 %1，它属于组 %2：请将自己加入 %2（sudo adduser $USER %2）并重新登录。</translation>
    </message>
</context>
<context>
    <name>quillon::PortSelectionWindow</name>
    <message>
        <source>Port selection</source>
        <translation>端口选择</translation>
    </message>
    <message>
        <source>Comport %1</source>
        <translation>串口 %1</translation>
    </message>
    <message>
        <source>Other port:</source>
        <translation>其他端口：</translation>
    </message>
    <message>
        <source>A port beyond the first four, such as a USB adapter; choose it from the list or type its device name</source>
        <translation>前四个以外的端口，例如 USB 适配器；从列表中选择或输入其设备名</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>The port is open, but the choice could not be written to &quot;%1&quot; (%2): the next start will not find it.</source>
        <translation>端口已打开，但无法将所选端口写入“%1”（%2）：下次启动时将找不到它。</translation>
    </message>
    <message>
        <source>According  to  the  cable of  Vantor connected  to   the   serial   port    of  computer select apropriate option.</source>
        <translation>请根据 Vantor 电缆所连接的计算机串口选择相应的选项。</translation>
    </message>
    <message>
        <source>Selected Port is used by another device or it might be not available </source>
        <translation>所选端口正被其他设备使用，或者不可用。</translation>
    </message>
    <message>
        <source>Port Selection Error</source>
        <translation>端口选择错误</translation>
    </message>
</context>
<context>
    <name>quillon::PortWatcher</name>
    <message>
        <source>link to %1</source>
        <translation>指向 %1 的链接</translation>
    </message>
</context>
<context>
    <name>quillon::PrintOptionsWindow</name>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Print Option</source>
        <translation>打印选项</translation>
    </message>
    <message>
        <source>Currently Displayed Ascan Report</source>
        <translation>当前显示的A扫描报告</translation>
    </message>
    <message>
        <source>Selected Ascan Report</source>
        <translation>所选A扫描报告</translation>
    </message>
    <message>
        <source>All Ascan Report</source>
        <translation>全部A扫描报告</translation>
    </message>
</context>
<context>
    <name>quillon::Reception</name>
    <message>
        <source>Record received but not stored: %1</source>
        <translation>已接收记录但未存储：%1</translation>
    </message>
    <message>
        <source>Record reception abandoned: no byte for %1 s; nothing was stored</source>
        <translation>记录接收已放弃：%1 秒内没有收到字节；未存储任何内容</translation>
    </message>
    <message>
        <source>Record reception abandoned: %1; nothing was stored</source>
        <translation>记录接收已放弃：%1；未存储任何内容</translation>
    </message>
</context>
<context>
    <name>quillon::RecoveryImport</name>
    <message>
        <source>The recovery file &quot;%1&quot; cannot be read (%2).</source>
        <translation>无法读取恢复文件“%1”（%2）。</translation>
    </message>
    <message>
        <source>The recovery file &quot;%1&quot; cannot be read (%2). It was moved to &quot;%3&quot;.</source>
        <translation>无法读取恢复文件“%1”（%2）。它已被移到“%3”。</translation>
    </message>
</context>
<context>
    <name>quillon::RegisterController</name>
    <message>
        <source>Defect register</source>
        <translation>缺陷登记册</translation>
    </message>
    <message>
        <source>Export register</source>
        <translation>导出登记册</translation>
    </message>
    <message>
        <source>CSV files (*.csv)</source>
        <translation>CSV 文件 (*.csv)</translation>
    </message>
    <message>
        <source>Excel workbooks (*.xlsx)</source>
        <translation>Excel 工作簿 (*.xlsx)</translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>Reading the archive...</source>
        <translation>正在读取档案…</translation>
    </message>
    <message numerus="yes">
        <source>%n located defects.</source>
        <translation>
            <numerusform>%n 个已定位的缺陷。</numerusform>
        </translation>
    </message>
    <message>
        <source>The archive cannot be read: %1</source>
        <translation>无法读取档案：%1</translation>
    </message>
    <message>
        <source>Gate 1 peak %1 % on %2, %3 % on %4: %5 dB</source>
        <translation>闸门1峰值：%2 为 %1 %，%4 为 %3 %：%5 dB</translation>
    </message>
    <message>
        <source>Gate 1 has no peak in both tests: no change in dB to state.</source>
        <translation>闸门1并非在两次检测中都有峰值：无法给出 dB 变化。</translation>
    </message>
    <message>
        <source>&quot;%1&quot; cannot be written (%2).</source>
        <translation>无法写入“%1”（%2）。</translation>
    </message>
    <message>
        <source>Register written: %1</source>
        <translation>登记册已写入：%1</translation>
    </message>
    <message>
        <source>Reading the team archive...</source>
        <translation>正在读取团队档案…</translation>
    </message>
    <message>
        <source>Writing %1...</source>
        <translation>正在写入 %1…</translation>
    </message>
</context>
<context>
    <name>quillon::RegisterModel</name>
    <message>
        <source>Worsened</source>
        <translation>已恶化</translation>
    </message>
    <message>
        <source>Previous class differs</source>
        <translation>前次等级不符</translation>
    </message>
    <message>
        <source>Division</source>
        <translation>分局</translation>
    </message>
    <message>
        <source>Section</source>
        <translation>区段</translation>
    </message>
    <message>
        <source>Km. Post</source>
        <translation>公里标</translation>
    </message>
    <message>
        <source>Rail</source>
        <translation>钢轨</translation>
    </message>
    <message>
        <source>Location</source>
        <translation>缺陷位置</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>等级</translation>
    </message>
    <message>
        <source>Flaw Code</source>
        <translation>缺陷代码</translation>
    </message>
    <message>
        <source>Tests</source>
        <translation>检测次数</translation>
    </message>
    <message>
        <source>History</source>
        <translation>历史</translation>
    </message>
    <message>
        <source>First</source>
        <translation>首次</translation>
    </message>
    <message>
        <source>Last</source>
        <translation>最近</translation>
    </message>
    <message>
        <source>Marks</source>
        <translation>标记</translation>
    </message>
</context>
<context>
    <name>quillon::RegisterWindow</name>
    <message>
        <source>Defect register</source>
        <translation>缺陷登记册</translation>
    </message>
    <message>
        <source>Worsened only</source>
        <translation>仅已恶化</translation>
    </message>
    <message>
        <source>Previous class differs only</source>
        <translation>仅前次等级不符</translation>
    </message>
    <message>
        <source>Date</source>
        <translation>日期</translation>
    </message>
    <message>
        <source>Class</source>
        <translation>等级</translation>
    </message>
    <message>
        <source>Flaw Code</source>
        <translation>缺陷代码</translation>
    </message>
    <message>
        <source>Operator</source>
        <translation>检测员</translation>
    </message>
    <message>
        <source>Memory</source>
        <translation>存储</translation>
    </message>
    <message>
        <source>PC</source>
        <translation>电脑</translation>
    </message>
    <message>
        <source>Gate 1 peak</source>
        <translation>闸门1峰值</translation>
    </message>
    <message>
        <source>Show</source>
        <translation>显示</translation>
    </message>
    <message>
        <source>Compare</source>
        <translation>比较</translation>
    </message>
    <message>
        <source>Export...</source>
        <translation>导出…</translation>
    </message>
    <message>
        <source>Every division</source>
        <translation>所有分局</translation>
    </message>
    <message>
        <source>Every section</source>
        <translation>所有区段</translation>
    </message>
    <message>
        <source>Every class</source>
        <translation>所有等级</translation>
    </message>
    <message>
        <source>(none)</source>
        <translation>（无）</translation>
    </message>
    <message>
        <source> (archived)</source>
        <translation>（归档时间）</translation>
    </message>
    <message>
        <source>Mem %1</source>
        <translation>存储 %1</translation>
    </message>
    <message>
        <source>This PC</source>
        <translation>本机</translation>
    </message>
    <message>
        <source>Team</source>
        <translation>团队</translation>
    </message>
</context>
<context>
    <name>quillon::ReportController</name>
    <message>
        <source>Written to %1</source>
        <translation>已写入 %1</translation>
    </message>
    <message>
        <source>No printer is set up on this computer. &quot;Export PDF&quot; in the File menu writes the same pages to a PDF file.</source>
        <translation>此计算机上未设置打印机。“文件”菜单中的“导出 PDF”可将相同页面写入 PDF 文件。</translation>
    </message>
    <message>
        <source>Reason: %1.</source>
        <translation>原因：%1。</translation>
    </message>
    <message>
        <source>Check the printer under &quot;PrintSetup&quot;, or write the pages to a file with &quot;Export PDF&quot;.</source>
        <translation>请在“打印设置”中检查打印机，或用“导出 PDF”将页面写入文件。</translation>
    </message>
    <message>
        <source>The Report can&apos;t be printed.</source>
        <translation>无法打印检测报告。</translation>
    </message>
    <message>
        <source>Word Doc file is created</source>
        <translation>已创建 Word 文档</translation>
    </message>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Export PDF</source>
        <translation>导出 PDF</translation>
    </message>
    <message>
        <source>PrintSetup</source>
        <translation>打印设置</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Preview</source>
        <translation>预览</translation>
    </message>
    <message>
        <source>Export</source>
        <translation>导出</translation>
    </message>
    <message>
        <source>The report was sent to the printer.</source>
        <translation>检测报告已发送到打印机。</translation>
    </message>
    <message numerus="yes">
        <source>%n reports were sent to the printer.</source>
        <translation>
            <numerusform>已将 %n 份检测报告发送到打印机。</numerusform>
        </translation>
    </message>
    <message>
        <source>PDF files (*.pdf)</source>
        <translation>PDF 文件 (*.pdf)</translation>
    </message>
    <message>
        <source>PDF written: %1</source>
        <translation>已写入 PDF：%1</translation>
    </message>
    <message>
        <source>File Save as Word Doc</source>
        <translation>另存为 Word 文档</translation>
    </message>
    <message>
        <source>Word Documents (*.docx)</source>
        <translation>Word 文档 (*.docx)</translation>
    </message>
    <message>
        <source>Word Doc Files (*.doc)</source>
        <translation>Word Doc 文件 (*.doc)</translation>
    </message>
    <message>
        <source>All files (*.*)</source>
        <translation>所有文件 (*.*)</translation>
    </message>
</context>
<context>
    <name>quillon::ReportPreviewWindow</name>
    <message>
        <source>Print Preview</source>
        <translation>打印预览</translation>
    </message>
    <message>
        <source>Zoom In</source>
        <translation>放大</translation>
    </message>
    <message>
        <source>Zoom Out</source>
        <translation>缩小</translation>
    </message>
    <message>
        <source>Whole Page</source>
        <translation>整页</translation>
    </message>
    <message>
        <source>Print</source>
        <translation>打印</translation>
    </message>
    <message>
        <source>Close</source>
        <translation>关闭</translation>
    </message>
</context>
<context>
    <name>quillon::SaveWindow</name>
    <message>
        <source>Cancel</source>
        <translation>取消</translation>
    </message>
    <message>
        <source>File Save</source>
        <translation>保存文件</translation>
    </message>
    <message>
        <source>File Name</source>
        <translation>文件名</translation>
    </message>
    <message>
        <source>Ok</source>
        <translation>确定</translation>
    </message>
    <message>
        <source>Replace</source>
        <translation>替换</translation>
    </message>
    <message>
        <source>The file &quot;%1&quot; already exists. Replace it?</source>
        <translation>文件“%1”已存在。要替换吗？</translation>
    </message>
</context>
<context>
    <name>quillon::SerialErrorText</name>
    <message>
        <source>no error</source>
        <translation>无错误</translation>
    </message>
    <message>
        <source>the port does not exist</source>
        <translation>端口不存在</translation>
    </message>
    <message>
        <source>the port is used by another program or access is denied</source>
        <translation>端口正被其他程序使用，或访问被拒绝</translation>
    </message>
    <message>
        <source>the port is already open</source>
        <translation>端口已经打开</translation>
    </message>
    <message>
        <source>the port is not open</source>
        <translation>端口未打开</translation>
    </message>
    <message>
        <source>writing to the port failed</source>
        <translation>写入端口失败</translation>
    </message>
    <message>
        <source>reading from the port failed</source>
        <translation>从端口读取失败</translation>
    </message>
    <message>
        <source>the port became unavailable (adapter unplugged?)</source>
        <translation>端口已不可用（适配器被拔出？）</translation>
    </message>
    <message>
        <source>the port does not support this setting</source>
        <translation>端口不支持此设置</translation>
    </message>
    <message>
        <source>the port timed out</source>
        <translation>端口超时</translation>
    </message>
    <message>
        <source>unknown port error</source>
        <translation>未知端口错误</translation>
    </message>
    <message>
        <source>it is used by another program</source>
        <translation>它正被其他程序使用</translation>
    </message>
</context>
<context>
    <name>quillon::SetupPanel</name>
    <message>
        <source>ENTER</source>
        <extracomment>The caption of the instrument&apos;s ENTER key on its menu screen</extracomment>
        <translation>确认</translation>
    </message>
    <message>
        <source>Menu Data</source>
        <translation>菜单数据</translation>
    </message>
</context>
<context>
    <name>quillon::TeamController</name>
    <message>
        <source>Team archive</source>
        <translation>团队档案</translation>
    </message>
    <message>
        <source>This is no connection string: %1</source>
        <translation>这不是连接字符串：%1</translation>
    </message>
    <message>
        <source>Connected; the connection is encrypted.</source>
        <translation>已连接；连接已加密。</translation>
    </message>
    <message>
        <source>Connected; the connection is NOT encrypted.</source>
        <translation>已连接；连接未加密。</translation>
    </message>
    <message>
        <source>No team archive is set: the archive stays on this PC.</source>
        <translation>未设置团队档案：档案仅保存在本机。</translation>
    </message>
</context>
<context>
    <name>quillon::TeamSettingsWindow</name>
    <message>
        <source>Team archive</source>
        <translation>团队档案</translation>
    </message>
    <message>
        <source>Test connection</source>
        <translation>测试连接</translation>
    </message>
    <message>
        <source>A service name from pg_service.conf or a connection string (host=... dbname=... user=... sslmode=...). The password is read from ~/.pgpass or PGPASSFILE, never kept by this program. Leave it empty to keep the archive on this PC only.</source>
        <translation>pg_service.conf 中的服务名或连接字符串（host=... dbname=... user=... sslmode=...）。密码从 ~/.pgpass 或 PGPASSFILE 读取，本程序从不保存密码。留空则档案只保存在本机。</translation>
    </message>
    <message>
        <source>Save</source>
        <translation>保存</translation>
    </message>
    <message>
        <source>Server:</source>
        <translation>服务器：</translation>
    </message>
    <message>
        <source>Connection:</source>
        <translation>连接：</translation>
    </message>
    <message>
        <source>Uploads:</source>
        <translation>上传：</translation>
    </message>
    <message>
        <source>Connecting...</source>
        <translation>正在连接...</translation>
    </message>
</context>
</TS>
