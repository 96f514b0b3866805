<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>kv</name>
    <message>
        <source>帮助文件未找到</source>
        <translation>Help file not found</translation>
    </message>
    <message>
        <source>使用帮助---%1</source>
        <translation>Help---%1</translation>
    </message>
    <message>
        <source>无法创建文件夹</source>
        <translation>cannot create the folder</translation>
    </message>
    <message>
        <source>波特率必须是 1200、2400、4800、9600、19200、38400、57600 或 115200</source>
        <translation>The baud rate must be 1200, 2400, 4800, 9600, 19200, 38400, 57600 or 115200</translation>
    </message>
    <message>
        <source>串口只能是 COM1 至 COM12</source>
        <translation>The serial port must be COM1 to COM12</translation>
    </message>
    <message>
        <source>（没有终端，视为“否”；用 --yes 回答“是”）</source>
        <translation>(no terminal, taken as &quot;No&quot;; answer &quot;Yes&quot; with --yes)</translation>
    </message>
    <message>
        <source>%1：文件类型应为.bin、.mcm或.png</source>
        <translation>%1: the file type must be .bin, .mcm or .png</translation>
    </message>
    <message>
        <source>可用 --from %1 继续写入</source>
        <translation>Continue the write with --from %1</translation>
    </message>
    <message>
        <source>文件不存在：%1</source>
        <translation>The file does not exist: %1</translation>
    </message>
    <message>
        <source>没有收到%1字节的应答（静默超过%2毫秒，或字节过多）</source>
        <translation>No %1-byte reply (silent for more than %2 ms, or too many bytes)</translation>
    </message>
    <message>
        <source>无法写入预览图片 %1</source>
        <translation>Cannot write the preview picture %1</translation>
    </message>
    <message>
        <source>地址队列中没有第%1条记录</source>
        <translation>The address queue has no entry %1</translation>
    </message>
    <message>
        <source>扫描已取消</source>
        <translation>Scan cancelled</translation>
    </message>
    <message>
        <source>无法创建应用文件夹 %1</source>
        <translation>Cannot create the application folder %1</translation>
    </message>
    <message>
        <source>已取消</source>
        <translation>Cancelled</translation>
    </message>
    <message>
        <source>文件 %1 既不是 UTF-8 文本，也不是 GBK（代码页 936）文本</source>
        <translation>The file %1 is neither UTF-8 text nor GBK (code page 936) text</translation>
    </message>
    <message>
        <source>地址码必须是数字</source>
        <translation>The address must be a number</translation>
    </message>
    <message>
        <source>地址码不能大于254</source>
        <translation>The address cannot be greater than 254</translation>
    </message>
    <message>
        <source>错误</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>设备地址队列 -- 共有%1条设备地址记录</source>
        <translation>Address queue -- %1 unit addresses</translation>
    </message>
    <message>
        <source>设备地址队列 -- 共有%1条记录</source>
        <translation>Address queue -- %1 entries</translation>
    </message>
    <message>
        <source>共有%1条记录</source>
        <translation>%1 entries</translation>
    </message>
    <message>
        <source>上次的保存未能完成</source>
        <translation>the last save did not finish</translation>
    </message>
    <message>
        <source>地址码已存在，不能重复！</source>
        <translation>This address is already in the queue; it cannot appear twice!</translation>
    </message>
    <message>
        <source>地址码必须为0-254的十进制数</source>
        <translation>The address must be a decimal number from 0 to 254</translation>
    </message>
    <message>
        <source>地址码不能大于255</source>
        <translation>The address cannot be greater than 255</translation>
    </message>
    <message>
        <source>真的要删除地址为 %1 的记录吗？</source>
        <translation>Delete the entry with address %1?</translation>
    </message>
    <message>
        <source>地址码为：%1的设备</source>
        <translation>Unit at address %1</translation>
    </message>
    <message>
        <source>共检测到%1个连接的设备，分别为：</source>
        <translation>%1 connected units found:</translation>
    </message>
    <message>
        <source>扫描连接的设备</source>
        <translation>Scan for connected units</translation>
    </message>
    <message>
        <source>正在扫描</source>
        <translation>Scanning</translation>
    </message>
    <message>
        <source>地址码 %1</source>
        <translation>Address %1</translation>
    </message>
    <message>
        <source>没有任何设备连接或通讯错误！</source>
        <translation>No unit connected, or a communication error!</translation>
    </message>
    <message>
        <source>还没选择串口！</source>
        <translation>No serial port chosen yet!</translation>
    </message>
    <message>
        <source>这个操作将读出设备的波特率、地址码及版本号，不能有多台设备连接

                         确认只有单台设备连接吗？</source>
        <translation>This reads the unit&apos;s baud rate, address and version; only one unit may be connected.

Is only one unit connected?</translation>
    </message>
    <message>
        <source>校验不符</source>
        <translation>Checksum mismatch</translation>
    </message>
    <message>
        <source>通信错误，请检查通信端口及连接线等是否正确</source>
        <translation>Communication error: check the port, the cable and the connections</translation>
    </message>
    <message>
        <source>读出成功!

波特率：%1 BPS
地址码：%2 (十进制)</source>
        <translation>Read successfully!

Baud rate: %1 BPS
Address: %2 (decimal)</translation>
    </message>
    <message>
        <source>写入成功</source>
        <translation>Written</translation>
    </message>
    <message>
        <source>写入失败</source>
        <translation>Write failed</translation>
    </message>
    <message>
        <source>产品编号</source>
        <translation>Product number</translation>
    </message>
    <message>
        <source>产品编号：%1</source>
        <translation>Product number: %1</translation>
    </message>
    <message>
        <source>读出失败</source>
        <translation>Read failed</translation>
    </message>
    <message>
        <source>向设备写入地址码时不能有多台设备连接

确认只有单台设备连接吗？</source>
        <translation>Only one unit may be connected while its address is written.

Is only one unit connected?</translation>
    </message>
    <message>
        <source>向设备写入地址码</source>
        <translation>Write the unit&apos;s address</translation>
    </message>
    <message>
        <source>编辑滚动信息</source>
        <translation>Edit scroll messages</translation>
    </message>
    <message>
        <source>编辑静止图文及台标</source>
        <translation>Edit static pictures and logo</translation>
    </message>
    <message>
        <source>编辑组合滚动快捷</source>
        <translation>Edit scroll shortcuts</translation>
    </message>
    <message>
        <source>编辑设备地址</source>
        <translation>Edit device addresses</translation>
    </message>
    <message>
        <source>其他功能</source>
        <translation>Other functions</translation>
    </message>
    <message>
        <source>KV820T字符叠加器测试及字库编辑软件V1.1</source>
        <translation>KV820T caption overlay test and font editor V1.1</translation>
    </message>
    <message>
        <source>不是普通文件</source>
        <translation>not a regular file</translation>
    </message>
    <message>
        <source>字符“%1”无法以GBK编码保存</source>
        <translation>the character &quot;%1&quot; cannot be saved in GBK encoding</translation>
    </message>
    <message>
        <source>%1，发送后无法记下这段文字，所以没有发送；请删除或替换该字符</source>
        <translation>Not sent, because this text could not be recorded after sending: %1. Delete or replace the character</translation>
    </message>
    <message>
        <source>无法写入文件 %1：%2</source>
        <translation>Cannot write the file %1: %2</translation>
    </message>
    <message>
        <source>文件不存在</source>
        <translation>the file does not exist</translation>
    </message>
    <message>
        <source>文件太大，最多%1字节</source>
        <translation>the file is too large (at most %1 bytes)</translation>
    </message>
    <message>
        <source>无法读取文件 %1：%2</source>
        <translation>Cannot read the file %1: %2</translation>
    </message>
    <message>
        <source> ⒈蓝透明背景A</source>
        <translation> ⒈Blue translucent background A</translation>
    </message>
    <message>
        <source> ⒉蓝透明背景B</source>
        <translation> ⒉Blue translucent background B</translation>
    </message>
    <message>
        <source> ⒊蓝透明背景C</source>
        <translation> ⒊Blue translucent background C</translation>
    </message>
    <message>
        <source> ⒋蓝透明背景D</source>
        <translation> ⒋Blue translucent background D</translation>
    </message>
    <message>
        <source> ⒌绿透明背景A</source>
        <translation> ⒌Green translucent background A</translation>
    </message>
    <message>
        <source> ⒍绿透明背景B</source>
        <translation> ⒍Green translucent background B</translation>
    </message>
    <message>
        <source> ⒎绿透明背景C</source>
        <translation> ⒎Green translucent background C</translation>
    </message>
    <message>
        <source> ⒏绿透明背景D</source>
        <translation> ⒏Green translucent background D</translation>
    </message>
    <message>
        <source> ⒐灰透明背景A</source>
        <translation> ⒐Grey translucent background A</translation>
    </message>
    <message>
        <source> ⒑灰透明背景B</source>
        <translation> ⒑Grey translucent background B</translation>
    </message>
    <message>
        <source> ⒒灰透明背景C</source>
        <translation> ⒒Grey translucent background C</translation>
    </message>
    <message>
        <source> ⒓灰透明背景D</source>
        <translation> ⒓Grey translucent background D</translation>
    </message>
    <message>
        <source> ⒔蓝背景覆盖</source>
        <translation> ⒔Solid blue background</translation>
    </message>
    <message>
        <source> ⒕绿背景覆盖</source>
        <translation> ⒕Solid green background</translation>
    </message>
    <message>
        <source> ⒖灰背景覆盖A</source>
        <translation> ⒖Solid grey background A</translation>
    </message>
    <message>
        <source> ⒗灰背景覆盖B</source>
        <translation> ⒗Solid grey background B</translation>
    </message>
    <message>
        <source> ⒘无背景全透明</source>
        <translation> ⒘No background, fully transparent</translation>
    </message>
    <message>
        <source>字符最亮</source>
        <translation>Brightest</translation>
    </message>
    <message>
        <source>字符较亮</source>
        <translation>Bright</translation>
    </message>
    <message>
        <source>字符较暗</source>
        <translation>Dim</translation>
    </message>
    <message>
        <source>字符最暗</source>
        <translation>Dimmest</translation>
    </message>
    <message>
        <source>⒈灰透明背景A</source>
        <translation>⒈Grey translucent background A</translation>
    </message>
    <message>
        <source>⒉灰透明背景B</source>
        <translation>⒉Grey translucent background B</translation>
    </message>
    <message>
        <source>⒊灰透明背景C</source>
        <translation>⒊Grey translucent background C</translation>
    </message>
    <message>
        <source>⒋灰透明背景D</source>
        <translation>⒋Grey translucent background D</translation>
    </message>
    <message>
        <source>⒌黑背景覆盖</source>
        <translation>⒌Solid black background</translation>
    </message>
    <message>
        <source>⒍灰背景覆盖</source>
        <translation>⒍Solid grey background</translation>
    </message>
    <message>
        <source>⒎无背景全透明</source>
        <translation>⒎No background, fully transparent</translation>
    </message>
    <message>
        <source>上一个操作还没有结束，请等它完成后再试</source>
        <translation>The previous operation has not finished yet. Wait for it to finish, then try again</translation>
    </message>
    <message>
        <source>输入应为数字</source>
        <translation>Enter a number</translation>
    </message>
    <message>
        <source>Pal制式时，垂直位置的取值范围最大值为590，Ntsc制式时，取值范围最大值为490</source>
        <translation>The vertical position is at most 590 with PAL and at most 490 with NTSC</translation>
    </message>
    <message>
        <source>循环间隔时间必须为0-60000的十进制数</source>
        <translation>The repeat interval must be a decimal number from 0 to 60000</translation>
    </message>
    <message>
        <source>循环间隔时间不能大于60000秒(16.6小时)</source>
        <translation>The repeat interval cannot be longer than 60000 seconds (16.6 hours)</translation>
    </message>
    <message>
        <source>定时时间必须为十进制数</source>
        <translation>The timer must be a decimal number</translation>
    </message>
    <message>
        <source>定时时间不能大于60000秒(16.6小时)</source>
        <translation>The timer cannot be longer than 60000 seconds (16.6 hours)</translation>
    </message>
    <message>
        <source>%1：%2 / %3</source>
        <translation>%1: %2 / %3</translation>
    </message>
    <message>
        <source>%1（%2）</source>
        <translation>%1 (%2)</translation>
    </message>
    <message>
        <source>滚动—内置大号字库</source>
        <translation>Scroll — built-in large font</translation>
    </message>
    <message>
        <source>滚动—内置小号字库</source>
        <translation>Scroll — built-in small font</translation>
    </message>
    <message>
        <source>滚动—大号图文短信</source>
        <translation>Scroll — large picture message</translation>
    </message>
    <message>
        <source>滚动—小号图文短信</source>
        <translation>Scroll — small picture message</translation>
    </message>
    <message>
        <source>滚动—组合快捷信息</source>
        <translation>Scroll — shortcut</translation>
    </message>
    <message>
        <source>静止—调用预存图片</source>
        <translation>Static — stored picture</translation>
    </message>
    <message>
        <source>静止—自定义字体</source>
        <translation>Static — custom font</translation>
    </message>
    <message>
        <source>静止—临时图片</source>
        <translation>Static — temporary picture</translation>
    </message>
    <message>
        <source>静止—内置大号字库</source>
        <translation>Static — built-in large font</translation>
    </message>
    <message>
        <source>静止—内置小号字库</source>
        <translation>Static — built-in small font</translation>
    </message>
    <message>
        <source>当前发送模式 &gt;&gt; %1</source>
        <translation>Current send mode &gt;&gt; %1</translation>
    </message>
    <message>
        <source>设为开机</source>
        <translation>Set as power-on</translation>
    </message>
    <message>
        <source>追加发送</source>
        <translation>Append and send</translation>
    </message>
    <message>
        <source>字符“%1”(%2)没有设备字符代码，无法发送，请删除或替换该字符</source>
        <translation>The character &quot;%1&quot; (%2) has no unit character code and cannot be sent. Delete or replace the character</translation>
    </message>
    <message>
        <source>⒈ 修改设备地址</source>
        <translation>⒈ Change the unit&apos;s address</translation>
    </message>
    <message>
        <source>⒋ 读出设备参数</source>
        <translation>⒋ Read the unit&apos;s settings</translation>
    </message>
    <message>
        <source>⒌ 删除开机显示</source>
        <translation>⒌ Delete the power-on displays</translation>
    </message>
    <message>
        <source>⒍ 设置字幕显示项目</source>
        <translation>⒍ Set the display items</translation>
    </message>
    <message>
        <source>⒎ 指定设备当前字幕信息</source>
        <translation>⒎ Caption status of the unit</translation>
    </message>
    <message>
        <source>⒏ 关闭字幕</source>
        <translation>⒏ Captions off</translation>
    </message>
    <message>
        <source>⒐ 恢复字幕</source>
        <translation>⒐ Captions on</translation>
    </message>
    <message>
        <source>⒑ 设备重启</source>
        <translation>⒑ Restart the unit</translation>
    </message>
    <message>
        <source>⒒ 取消间歇滚动</source>
        <translation>⒒ Intermittent scrolling off</translation>
    </message>
    <message>
        <source>⒓ 恢复间歇滚动</source>
        <translation>⒓ Intermittent scrolling on</translation>
    </message>
    <message>
        <source>⒔ 关闭角标</source>
        <translation>⒔ Corner logo off</translation>
    </message>
    <message>
        <source>⒕ 打开角标</source>
        <translation>⒕ Corner logo on</translation>
    </message>
    <message>
        <source>⒖ 打开滚动</source>
        <translation>⒖ Scrolling on</translation>
    </message>
    <message>
        <source>⒗ 关闭台标</source>
        <translation>⒗ Station logo off</translation>
    </message>
    <message>
        <source>⒘ 打开台标</source>
        <translation>⒘ Station logo on</translation>
    </message>
    <message>
        <source>⒙ 关滚动及其间歇功能</source>
        <translation>⒙ Scrolling and intermittent scrolling off</translation>
    </message>
    <message>
        <source>⒚ 开滚动及其间歇功能</source>
        <translation>⒚ Scrolling and intermittent scrolling on</translation>
    </message>
    <message>
        <source>⒛ 不停滚动</source>
        <translation>⒛ Non-stop scrolling</translation>
    </message>
    <message>
        <source>使用帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>这个操作将删除所有的开机显示信息，确定吗？</source>
        <translation>This deletes all power-on displays. Are you sure?</translation>
    </message>
    <message>
        <source>取消退出</source>
        <translation>Cancel and leave</translation>
    </message>
    <message>
        <source>全部关闭</source>
        <translation>All off</translation>
    </message>
    <message>
        <source>仅开滚动显示</source>
        <translation>Scrolling only</translation>
    </message>
    <message>
        <source>仅开静止图文</source>
        <translation>Static text and pictures only</translation>
    </message>
    <message>
        <source>关闭台标其他全开</source>
        <translation>All on except the logo</translation>
    </message>
    <message>
        <source>仅开台标</source>
        <translation>Logo only</translation>
    </message>
    <message>
        <source>关静止图文其他全开</source>
        <translation>All on except static text and pictures</translation>
    </message>
    <message>
        <source>关滚动其他全开</source>
        <translation>All on except scrolling</translation>
    </message>
    <message>
        <source>全部打开</source>
        <translation>All on</translation>
    </message>
    <message>
        <source>%1（保存）</source>
        <translation>%1 (kept)</translation>
    </message>
    <message>
        <source>%1（不保存）</source>
        <translation>%1 (until restart)</translation>
    </message>
    <message>
        <source>输入必须是十进制数且不能大于255</source>
        <translation>Enter decimal numbers no greater than 255</translation>
    </message>
    <message>
        <source>输入必须是十进制数值0～255,字符代码之间用&quot;,&quot;隔开</source>
        <translation>Enter decimal numbers 0-255, character codes separated by &quot;,&quot;</translation>
    </message>
    <message>
        <source>当前输入的字符代码太多，这个测试只限制在同一行显示</source>
        <translation>Too many character codes: this test shows one line only</translation>
    </message>
    <message>
        <source>通信错误</source>
        <translation>Communication error</translation>
    </message>
    <message>
        <source>设置成功</source>
        <translation>Set</translation>
    </message>
    <message>
        <source>设置失败</source>
        <translation>Setting failed</translation>
    </message>
    <message>
        <source>设置失败，请检查串口号是否或波特率正确或连接是否良好</source>
        <translation>Setting failed: check the serial port, the baud rate and the connection</translation>
    </message>
    <message>
        <source>原样</source>
        <translation>Normal</translation>
    </message>
    <message>
        <source>反色</source>
        <translation>Inverse</translation>
    </message>
    <message>
        <source>闪烁</source>
        <translation>Blinking</translation>
    </message>
    <message>
        <source>黑背景</source>
        <translation>Black background</translation>
    </message>
    <message>
        <source>反色+闪烁</source>
        <translation>Inverse + blinking</translation>
    </message>
    <message>
        <source>反色+黑背景</source>
        <translation>Inverse + black background</translation>
    </message>
    <message>
        <source>闪烁+黑背景</source>
        <translation>Blinking + black background</translation>
    </message>
    <message>
        <source>%1行</source>
        <translation>Line %1</translation>
    </message>
    <message>
        <source>清全屏</source>
        <translation>Clear screen</translation>
    </message>
    <message>
        <source>内外频自动切换</source>
        <translation>internal/external sync, automatic</translation>
    </message>
    <message>
        <source>仅使用内频</source>
        <translation>internal sync only</translation>
    </message>
    <message>
        <source>仅使用外频</source>
        <translation>external sync only</translation>
    </message>
    <message>
        <source>%1模式,%2</source>
        <translation>%1 mode, %2</translation>
    </message>
    <message>
        <source>写地址</source>
        <translation>Write address</translation>
    </message>
    <message>
        <source>探测</source>
        <translation>Probe</translation>
    </message>
    <message>
        <source>显示项目</source>
        <translation>Display items</translation>
    </message>
    <message>
        <source>设备操作</source>
        <translation>Unit action</translation>
    </message>
    <message>
        <source>改波特率</source>
        <translation>Change baud rate</translation>
    </message>
    <message>
        <source>字幕开关</source>
        <translation>Captions on/off</translation>
    </message>
    <message>
        <source>滚动参数</source>
        <translation>Scroll parameters</translation>
    </message>
    <message>
        <source>滚动发送</source>
        <translation>Scroll send</translation>
    </message>
    <message>
        <source>静止文字</source>
        <translation>Static text</translation>
    </message>
    <message>
        <source>定时显示</source>
        <translation>Timed display</translation>
    </message>
    <message>
        <source>保存组合快捷</source>
        <translation>Save shortcut</translation>
    </message>
    <message>
        <source>图文短信</source>
        <translation>Picture message</translation>
    </message>
    <message>
        <source>调用图文短信(刷新)</source>
        <translation>Call picture message (refresh)</translation>
    </message>
    <message>
        <source>状态查询</source>
        <translation>Status query</translation>
    </message>
    <message>
        <source>调用图文短信(追加)</source>
        <translation>Call picture message (append)</translation>
    </message>
    <message>
        <source>播放预存滚动</source>
        <translation>Play stored scroll</translation>
    </message>
    <message>
        <source>调用组合快捷</source>
        <translation>Call shortcut</translation>
    </message>
    <message>
        <source>图片</source>
        <translation>Picture</translation>
    </message>
    <message>
        <source>调用预存图片</source>
        <translation>Call stored picture</translation>
    </message>
    <message>
        <source>修改静止参数</source>
        <translation>Change static parameters</translation>
    </message>
    <message>
        <source>字库下载开始</source>
        <translation>Font download start</translation>
    </message>
    <message>
        <source>保存屏幕设置</source>
        <translation>Save screen settings</translation>
    </message>
    <message>
        <source>读十字形状</source>
        <translation>Read crosshair shape</translation>
    </message>
    <message>
        <source>写十字形状</source>
        <translation>Write crosshair shape</translation>
    </message>
    <message>
        <source>保存视频制式</source>
        <translation>Save video standard</translation>
    </message>
    <message>
        <source>视频制式</source>
        <translation>Video standard</translation>
    </message>
    <message>
        <source>清除行或全屏</source>
        <translation>Clear line or screen</translation>
    </message>
    <message>
        <source>水平偏移</source>
        <translation>Horizontal offset</translation>
    </message>
    <message>
        <source>垂直偏移</source>
        <translation>Vertical offset</translation>
    </message>
    <message>
        <source>显示测试</source>
        <translation>Display test</translation>
    </message>
    <message>
        <source>设置属性</source>
        <translation>Set attribute</translation>
    </message>
    <message>
        <source>复位</source>
        <translation>Reset</translation>
    </message>
    <message>
        <source>读身份</source>
        <translation>Read identity</translation>
    </message>
    <message>
        <source>改地址和波特率</source>
        <translation>Change address and baud rate</translation>
    </message>
    <message>
        <source>读产品号</source>
        <translation>Read product number</translation>
    </message>
    <message>
        <source>前128个字符</source>
        <translation>First 128 characters</translation>
    </message>
    <message>
        <source>后128个字符</source>
        <translation>Last 128 characters</translation>
    </message>
    <message>
        <source>写字符</source>
        <translation>Write character</translation>
    </message>
    <message>
        <source>读字符</source>
        <translation>Read character</translation>
    </message>
    <message>
        <source>波特率 %1</source>
        <translation>Baud rate %1</translation>
    </message>
    <message>
        <source>波特率序号 %1</source>
        <translation>Baud rate index %1</translation>
    </message>
    <message>
        <source>新地址 %1</source>
        <translation>New address %1</translation>
    </message>
    <message>
        <source>项目 %1</source>
        <translation>Items %1</translation>
    </message>
    <message>
        <source>并保存</source>
        <translation>Also save</translation>
    </message>
    <message>
        <source>重启</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>删除开机显示</source>
        <translation>Delete the power-on displays</translation>
    </message>
    <message>
        <source>操作 %1</source>
        <translation>Action %1</translation>
    </message>
    <message>
        <source>关</source>
        <translation>Off</translation>
    </message>
    <message>
        <source>开</source>
        <translation>On</translation>
    </message>
    <message>
        <source>亮度 %1</source>
        <translation>Brightness %1</translation>
    </message>
    <message>
        <source>速度 %1</source>
        <translation>Speed %1</translation>
    </message>
    <message>
        <source>刷新</source>
        <translation>Refresh</translation>
    </message>
    <message>
        <source>追加</source>
        <translation>Append</translation>
    </message>
    <message>
        <source>大号字库</source>
        <translation>Large font</translation>
    </message>
    <message>
        <source>小号字库</source>
        <translation>Small font</translation>
    </message>
    <message>
        <source>并设为开机</source>
        <translation>Also for power-on</translation>
    </message>
    <message>
        <source>%1 字节</source>
        <translation>%1 bytes</translation>
    </message>
    <message>
        <source>%1 秒</source>
        <translation>%1 s</translation>
    </message>
    <message>
        <source>静止</source>
        <translation>Static</translation>
    </message>
    <message>
        <source>滚动</source>
        <translation>Scroll</translation>
    </message>
    <message>
        <source>快捷 %1</source>
        <translation>Shortcut %1</translation>
    </message>
    <message>
        <source>大号</source>
        <translation>Large</translation>
    </message>
    <message>
        <source>小号</source>
        <translation>Small</translation>
    </message>
    <message>
        <source>滚动图片</source>
        <translation>Scroll picture</translation>
    </message>
    <message>
        <source>%1 块</source>
        <translation>%1 blocks</translation>
    </message>
    <message>
        <source>预存 %1</source>
        <translation>Stored %1</translation>
    </message>
    <message>
        <source>%1 格</source>
        <translation>%1 cells</translation>
    </message>
    <message>
        <source>序号 %1</source>
        <translation>No. %1</translation>
    </message>
    <message>
        <source>开机滚动</source>
        <translation>Power-on scroll</translation>
    </message>
    <message>
        <source>台标</source>
        <translation>Logo</translation>
    </message>
    <message>
        <source>静止并开机</source>
        <translation>Static and power-on</translation>
    </message>
    <message>
        <source>类型 %1</source>
        <translation>Type %1</translation>
    </message>
    <message>
        <source>图片 %1</source>
        <translation>Picture %1</translation>
    </message>
    <message>
        <source>垂直 %1</source>
        <translation>Vertical %1</translation>
    </message>
    <message>
        <source>行 %1</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>列 %1</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>形状 %1</source>
        <translation>Shape %1</translation>
    </message>
    <message>
        <source>制式 %1</source>
        <translation>Standard %1</translation>
    </message>
    <message>
        <source>值 %1</source>
        <translation>Value %1</translation>
    </message>
    <message>
        <source>%1 个字符</source>
        <translation>%1 characters</translation>
    </message>
    <message>
        <source>属性 %1</source>
        <translation>Attribute %1</translation>
    </message>
    <message>
        <source>字符 %1</source>
        <translation>Character %1</translation>
    </message>
    <message>
        <source>→ 全部</source>
        <translation>→ all</translation>
    </message>
    <message>
        <source>→ 地址 %1</source>
        <translation>→ address %1</translation>
    </message>
    <message>
        <source>→ 队列 %1</source>
        <translation>→ queue %1</translation>
    </message>
    <message>
        <source>帧头</source>
        <translation>Frame head</translation>
    </message>
    <message>
        <source>未知命令</source>
        <translation>Unknown command</translation>
    </message>
    <message>
        <source>未知字节 %1 个</source>
        <translation>%1 unknown bytes</translation>
    </message>
    <message>
        <source>计数不符</source>
        <translation>Wrong count</translation>
    </message>
    <message>
        <source>校验字节错误</source>
        <translation>Wrong check byte</translation>
    </message>
    <message>
        <source>长度超出</source>
        <translation>Too long</translation>
    </message>
    <message>
        <source>不完整</source>
        <translation>Incomplete</translation>
    </message>
    <message>
        <source>图片校验和</source>
        <translation>Picture checksum</translation>
    </message>
    <message>
        <source>图片校验和错误</source>
        <translation>Wrong picture checksum</translation>
    </message>
    <message>
        <source>字库指纹：%1</source>
        <translation>Font fingerprint: %1</translation>
    </message>
    <message>
        <source>%1：%2</source>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>文件大小为%1字节，应为%2字节</source>
        <translation>The file has %1 bytes; it must have %2</translation>
    </message>
    <message>
        <source>无法读取PNG图片：%1</source>
        <translation>Cannot read the PNG picture: %1</translation>
    </message>
    <message>
        <source>未知的文件格式</source>
        <translation>Unknown file format</translation>
    </message>
    <message>
        <source>文件类型应为.bin、.mcm或.png</source>
        <translation>The file type must be .bin, .mcm or .png</translation>
    </message>
    <message>
        <source>无法打开文件：%1</source>
        <translation>Cannot open the file: %1</translation>
    </message>
    <message>
        <source>当前字库没有对应的字库文件，未保存</source>
        <translation>The current font has no font file; not saved</translation>
    </message>
    <message>
        <source>本地字库：hebingf.bin</source>
        <translation>Local font: hebingf.bin</translation>
    </message>
    <message>
        <source>叠加器字库：maxZK16.bin</source>
        <translation>Unit font: maxZK16.bin</translation>
    </message>
    <message>
        <source>未保存的叠加器字库</source>
        <translation>Unit font, not saved</translation>
    </message>
    <message>
        <source>叠加器字库：maxZK16</source>
        <translation>Unit font: maxZK16</translation>
    </message>
    <message>
        <source>下载成功</source>
        <translation>Download succeeded</translation>
    </message>
    <message>
        <source>下载失败</source>
        <translation>Download failed</translation>
    </message>
    <message>
        <source>读出错误%1</source>
        <translation>Read error %1</translation>
    </message>
    <message>
        <source>读出错误</source>
        <translation>Read error</translation>
    </message>
    <message>
        <source>字库校验已取消</source>
        <translation>Font verify cancelled</translation>
    </message>
    <message>
        <source>校验成功：%1 个字符与字库一致</source>
        <translation>Verified: %1 characters match the font</translation>
    </message>
    <message>
        <source>校验失败：%1 个字符不一致：%2</source>
        <translation>Verify failed: %1 characters differ: %2</translation>
    </message>
    <message>
        <source>校验叠加器字库</source>
        <translation>Verify unit font</translation>
    </message>
    <message>
        <source>正在校验字库</source>
        <translation>Verifying the font</translation>
    </message>
    <message>
        <source>把当前字库写入叠加器</source>
        <translation>Write font to unit</translation>
    </message>
    <message>
        <source>正在写入字库</source>
        <translation>Writing the font</translation>
    </message>
    <message>
        <source>字库写入已取消，停在代码%1，之前的字符已写入</source>
        <translation>Font write cancelled at code %1; the characters before it are written</translation>
    </message>
    <message>
        <source>读取叠加器字库数据</source>
        <translation>Read unit font</translation>
    </message>
    <message>
        <source>正在读取字库</source>
        <translation>Reading the font</translation>
    </message>
    <message>
        <source>字库读取已取消，字库未改变</source>
        <translation>Font read cancelled; the font is unchanged</translation>
    </message>
    <message>
        <source>读出成功</source>
        <translation>Read successfully</translation>
    </message>
    <message>
        <source>下载字库</source>
        <translation>Send font</translation>
    </message>
    <message>
        <source>等待叠加器应答</source>
        <translation>Waiting for the unit&apos;s reply</translation>
    </message>
    <message>
        <source>正在等待叠加器应答（秒）</source>
        <translation>Waiting for the unit&apos;s reply (seconds)</translation>
    </message>
    <message>
        <source>返回错误1</source>
        <translation>Reply error 1</translation>
    </message>
    <message>
        <source>字符原形最大点阵不能超过310*310，最大像素不能超过96256</source>
        <translation>The character size must not exceed 310*310 dots, at most 96256 pixels</translation>
    </message>
    <message>
        <source>有效数值必须为十进制数</source>
        <translation>Enter a decimal number</translation>
    </message>
    <message>
        <source>第%1行：%2</source>
        <translation>Line %1: %2</translation>
    </message>
    <message>
        <source>文件头应为“MAX7456”</source>
        <translation>The file must start with &quot;MAX7456&quot;</translation>
    </message>
    <message>
        <source>文件不完整：共%1行，应为%2行</source>
        <translation>The file is incomplete: %1 lines, %2 expected</translation>
    </message>
    <message>
        <source>多余的行，字库只有%1行</source>
        <translation>Extra lines: a font has only %1 lines</translation>
    </message>
    <message>
        <source>应为8位二进制数字（0或1），实为“%1”</source>
        <translation>8 binary digits (0 or 1) expected, found &quot;%1&quot;</translation>
    </message>
    <message>
        <source>无法读取图片</source>
        <translation>Cannot read the picture</translation>
    </message>
    <message>
        <source>图片大小为%1×%2，应为192×288或209×305</source>
        <translation>The picture is %1×%2; it must be 192×288 or 209×305</translation>
    </message>
    <message>
        <source>像素(%1, %2)的颜色#%3不是黑、白、灰#808080或绿#00FF00</source>
        <translation>The colour #%3 of pixel (%1, %2) is not black, white, grey #808080 or green #00FF00</translation>
    </message>
    <message>
        <source>发送字符</source>
        <translation>Sending characters</translation>
    </message>
    <message>
        <source>端口溢出</source>
        <translation>Port overrun</translation>
    </message>
    <message>
        <source>接收缓冲区溢出</source>
        <translation>Receive buffer overflow</translation>
    </message>
    <message>
        <source>该串口不存在！</source>
        <translation>This serial port does not exist!</translation>
    </message>
    <message>
        <source>串口%1已被其它程序占用</source>
        <translation>Serial port %1 is in use by another program</translation>
    </message>
    <message>
        <source>串口还没打开，先选好波特率！</source>
        <translation>The serial port is not open yet. Choose the baud rate first!</translation>
    </message>
    <message>
        <source>串口尚未打开!</source>
        <translation>The serial port is not open!</translation>
    </message>
    <message>
        <source>没有权限打开串口%1：请把当前用户加入拥有该设备的用户组（Linux 上通常是 dialout，可用 ls -l 查看设备所属的组），重新登录后再试</source>
        <translation>No permission to open serial port %1: add the current user to the group that owns the device (on Linux usually dialout; ls -l shows the device&apos;s group), then log in again and retry</translation>
    </message>
    <message>
        <source>串口%1发送超时：数据没有在规定时间内送出，请检查串口及连接线</source>
        <translation>Send time-out on serial port %1: the data was not sent out in time. Check the serial port and the cable</translation>
    </message>
    <message>
        <source>网络串口地址 %1 写得不对（应为 rfc2217://主机:端口 或 socket://主机:端口）</source>
        <translation>The network serial port address %1 is not valid (expected rfc2217://host:port or socket://host:port)</translation>
    </message>
    <message>
        <source>无法连接网络串口 %1：连接被拒绝，请检查串口服务器是否在运行、端口号是否正确</source>
        <translation>Cannot connect to network serial port %1: the connection was refused. Check that the serial port server is running and the port number is right</translation>
    </message>
    <message>
        <source>无法连接网络串口 %1：找不到这个主机，请检查主机名或 IP 地址</source>
        <translation>Cannot connect to network serial port %1: host not found. Check the host name or IP address</translation>
    </message>
    <message>
        <source>无法连接网络串口 %1，请检查网络及串口服务器</source>
        <translation>Cannot connect to network serial port %1. Check the network and the serial port server</translation>
    </message>
    <message>
        <source>连接网络串口 %1 已取消</source>
        <translation>Connecting to network serial port %1 was cancelled</translation>
    </message>
    <message>
        <source>与网络串口 %1 的连接已断开，请检查串口服务器及网络</source>
        <translation>The connection to network serial port %1 was lost. Check the serial port server and the network</translation>
    </message>
    <message>
        <source>串口服务器 %1 没有应答串口设置（RFC 2217）：请检查它是否支持 RFC 2217，或改用 socket://</source>
        <translation>Serial port server %1 did not answer the port settings (RFC 2217): check that it supports RFC 2217, or use socket:// instead</translation>
    </message>
    <message>
        <source>网络串口 %1 的波特率不能由本程序设置：请在串口服务器上设置波特率</source>
        <translation>The baud rate of network serial port %1 cannot be set from this program: set the baud rate on the serial port server</translation>
    </message>
    <message>
        <source>串口服务器 %1 不接受 RFC 2217 的串口设置，按原始 TCP 继续：波特率须在串口服务器上设置</source>
        <translation>Serial port server %1 does not accept RFC 2217 port settings; going on as raw TCP: the baud rate must be set on the serial port server</translation>
    </message>
    <message>
        <source>串口 %1 可以打开</source>
        <translation>Serial port %1 can be opened</translation>
    </message>
    <message>
        <source>已连接 %1：原始 TCP，速率在设备服务器上设定</source>
        <translation>Connected to %1: raw TCP, the rate is set on the device server</translation>
    </message>
    <message>
        <source>已连接 %1：服务器不接受 RFC 2217 的串口选项，速率在设备服务器上设定</source>
        <translation>Connected to %1: the server does not accept the RFC 2217 port options, the rate is set on the device server</translation>
    </message>
    <message>
        <source>已连接 %1：RFC 2217，服务器已确认 %2 波特、8 数据位、无校验、1 停止位</source>
        <translation>Connected to %1: RFC 2217, the server confirmed %2 baud, 8 data bits, no parity, 1 stop bit</translation>
    </message>
    <message>
        <source>没有填写串口</source>
        <translation>No serial port given</translation>
    </message>
    <message>
        <source>有效数值必须为1-255的十进制数0为广播地址</source>
        <translation>Enter a decimal number from 1 to 255; 0 is the broadcast address</translation>
    </message>
    <message>
        <source>有效数值1-255,0为广播地址</source>
        <translation>Valid values 1-255, 0 is the broadcast address</translation>
    </message>
    <message>
        <source>地址码为空，请先输入1-254的设备地址码</source>
        <translation>The device address is empty. Enter a device address from 1 to 254 first</translation>
    </message>
    <message>
        <source>你刚刚发送的数据：%1</source>
        <translation>Data just sent: %1</translation>
    </message>
    <message>
        <source>网络串口地址 %1 不可用：%2（应为 rfc2217://主机:端口 或 socket://主机:端口）</source>
        <translation>The network serial port address %1 cannot be used: %2 (expected rfc2217://host:port or socket://host:port)</translation>
    </message>
    <message>
        <source>没有 rfc2217:// 或 socket:// 开头</source>
        <translation>it does not start with rfc2217:// or socket://</translation>
    </message>
    <message>
        <source>不认识的类型 %1://</source>
        <translation>unknown type %1://</translation>
    </message>
    <message>
        <source>主机地址的方括号没有闭合</source>
        <translation>the bracket of the host address is not closed</translation>
    </message>
    <message>
        <source>缺少端口号</source>
        <translation>the port number is missing</translation>
    </message>
    <message>
        <source>缺少主机名或 IP 地址</source>
        <translation>the host name or IP address is missing</translation>
    </message>
    <message>
        <source>端口号 %1 不是数字</source>
        <translation>the port number %1 is not a number</translation>
    </message>
    <message>
        <source>端口号 %1 不在 1 至 65535 之间</source>
        <translation>the port number %1 is not between 1 and 65535</translation>
    </message>
    <message>
        <source>  串 口：%1  波特率：%2</source>
        <translation>  Port: %1  Baud: %2</translation>
    </message>
    <message>
        <source>关闭</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>无法创建文件夹 savefiles</source>
        <translation>cannot create the folder savefiles</translation>
    </message>
    <message>
        <source>地址码必须为0-255的十进制数</source>
        <translation>The address must be a decimal number from 0 to 255</translation>
    </message>
    <message>
        <source>指定地址码为空，请先输入0-255的设备地址码</source>
        <translation>The device address is empty. Enter a device address from 0 to 255 first</translation>
    </message>
    <message>
        <source>你选择了“按地址队列”发送方式，但尚未编辑设备地址，或没有选择对象地址！</source>
        <translation>You chose to send by &quot;Address queue&quot;, but no device address has been edited or no address is selected!</translation>
    </message>
    <message>
        <source>这个操作不能为广播地址，只能指定特定设备，请修改指定地址码！</source>
        <translation>This operation cannot use the broadcast address, only one specific unit. Change the device address!</translation>
    </message>
    <message>
        <source>%1/%2 字节</source>
        <translation>%1/%2 bytes</translation>
    </message>
    <message>
        <source>完整</source>
        <translation>Complete</translation>
    </message>
    <message>
        <source>超时</source>
        <translation>Time-out</translation>
    </message>
    <message>
        <source>字节过多</source>
        <translation>Too many bytes</translation>
    </message>
    <message>
        <source>格式错误</source>
        <translation>Malformed</translation>
    </message>
    <message>
        <source>应答 %1 %2</source>
        <translation>Reply: %1, %2</translation>
    </message>
    <message>
        <source>应答 %1 %2：%3</source>
        <translation>Reply: %1, %2: %3</translation>
    </message>
    <message>
        <source>续 %1 (共 %2 字节)</source>
        <translation>Cont. %1 (%2 bytes in all)</translation>
    </message>
    <message>
        <source>续 %1</source>
        <translation>Cont. %1</translation>
    </message>
    <message>
        <source>%1 (未完, 已 %2 字节)</source>
        <translation>%1 (unfinished, %2 bytes so far)</translation>
    </message>
    <message>
        <source>台标_字符</source>
        <translation>Logo_text</translation>
    </message>
    <message>
        <source>编辑台标_字符</source>
        <translation>Edit logo_text</translation>
    </message>
    <message>
        <source>设字符点阵为</source>
        <translation>Character dot matrix</translation>
    </message>
    <message>
        <source>静止_字符</source>
        <translation>Static_text</translation>
    </message>
    <message>
        <source>编辑静止_字符</source>
        <translation>Edit static_text</translation>
    </message>
    <message>
        <source>台标_图形</source>
        <translation>Logo_picture</translation>
    </message>
    <message>
        <source>编辑台标_图形</source>
        <translation>Edit logo_picture</translation>
    </message>
    <message>
        <source>设图形高度为</source>
        <translation>Picture height</translation>
    </message>
    <message>
        <source>静止_图形</source>
        <translation>Static_picture</translation>
    </message>
    <message>
        <source>编辑静止_图形</source>
        <translation>Edit static_picture</translation>
    </message>
    <message>
        <source>静止文字编码后共%1字节，一次最多能发送%2字节，请减少字符</source>
        <translation>The static text is %1 bytes when encoded; at most %2 bytes can be sent at once. Use fewer characters</translation>
    </message>
    <message>
        <source>台标、角标不能单独修改显示参数。</source>
        <translation>The display settings of the logo and corner logo cannot be changed on their own.</translation>
    </message>
    <message>
        <source>图文显示参数的选择项超出范围</source>
        <translation>A picture display setting&apos;s choice is out of range</translation>
    </message>
    <message>
        <source>%1上移</source>
        <translation>Up %1</translation>
    </message>
    <message>
        <source>原形</source>
        <translation>Original</translation>
    </message>
    <message>
        <source>%1下移</source>
        <translation>Down %1</translation>
    </message>
    <message>
        <source>⒈蓝透明背景A</source>
        <translation>⒈Blue translucent background A</translation>
    </message>
    <message>
        <source>⒉蓝透明背景B</source>
        <translation>⒉Blue translucent background B</translation>
    </message>
    <message>
        <source>⒊蓝透明背景C</source>
        <translation>⒊Blue translucent background C</translation>
    </message>
    <message>
        <source>⒋蓝透明背景D</source>
        <translation>⒋Blue translucent background D</translation>
    </message>
    <message>
        <source>⒌绿透明背景A</source>
        <translation>⒌Green translucent background A</translation>
    </message>
    <message>
        <source>⒍绿透明背景B</source>
        <translation>⒍Green translucent background B</translation>
    </message>
    <message>
        <source>⒎绿透明背景C</source>
        <translation>⒎Green translucent background C</translation>
    </message>
    <message>
        <source>⒏绿透明背景D</source>
        <translation>⒏Green translucent background D</translation>
    </message>
    <message>
        <source>⒐灰透明背景A</source>
        <translation>⒐Grey translucent background A</translation>
    </message>
    <message>
        <source>⒑灰透明背景B</source>
        <translation>⒑Grey translucent background B</translation>
    </message>
    <message>
        <source>⒒灰透明背景C</source>
        <translation>⒒Grey translucent background C</translation>
    </message>
    <message>
        <source>⒓灰透明背景D</source>
        <translation>⒓Grey translucent background D</translation>
    </message>
    <message>
        <source>⒔蓝背景覆盖</source>
        <translation>⒔Solid blue background</translation>
    </message>
    <message>
        <source>⒕绿背景覆盖</source>
        <translation>⒕Solid green background</translation>
    </message>
    <message>
        <source>⒖灰背景覆盖</source>
        <translation>⒖Solid grey background</translation>
    </message>
    <message>
        <source>⒗黑背景覆盖</source>
        <translation>⒗Solid black background</translation>
    </message>
    <message>
        <source>⒘无背景全透明</source>
        <translation>⒘No background, fully transparent</translation>
    </message>
    <message>
        <source>台标/角标</source>
        <translation>Logo/corner logo</translation>
    </message>
    <message>
        <source>临时显示</source>
        <translation>Temporary display</translation>
    </message>
    <message>
        <source>图文%1</source>
        <translation>Picture %1</translation>
    </message>
    <message>
        <source>找不到图片文件：%1</source>
        <translation>Picture file not found: %1</translation>
    </message>
    <message>
        <source>无法读取图片文件：%1</source>
        <translation>Cannot read the picture file: %1</translation>
    </message>
    <message>
        <source>选择图片</source>
        <translation>Choose a picture</translation>
    </message>
    <message>
        <source>图片的宽度不能大于%1像素</source>
        <translation>The picture must not be wider than %1 pixels</translation>
    </message>
    <message>
        <source>图片的高度不能大于%1线</source>
        <translation>The picture must not be higher than %1 lines</translation>
    </message>
    <message>
        <source>字符转换成图片后图片太大了，图片的最大像素不能大于65536像素</source>
        <translation>The text&apos;s picture is too large: a picture has at most 65536 pixels</translation>
    </message>
    <message>
        <source>这张图片太大了，图片的最大像素不能大于133120像素</source>
        <translation>This picture is too large: a picture has at most 133120 pixels</translation>
    </message>
    <message>
        <source>选择大号字符时图片的高度不能大于48像素，当前图片高度为%1像素</source>
        <translation>With large characters the picture must not be higher than 48 pixels. This picture is %1 pixels high</translation>
    </message>
    <message>
        <source>选择小号字符时图片的高度不能大于32像素，当前图片高度为%1像素</source>
        <translation>With small characters the picture must not be higher than 32 pixels. This picture is %1 pixels high</translation>
    </message>
    <message>
        <source>这张图片太大了，图片的最大像素不能大于96256像素</source>
        <translation>This picture is too large: a picture has at most 96256 pixels</translation>
    </message>
    <message>
        <source>大号字不能存入超过41个字符，当前共有%1字符</source>
        <translation>At most 41 large characters can be stored. This picture has %1</translation>
    </message>
    <message>
        <source>小号字不能存入超过94个字符，当前共有%1字符</source>
        <translation>At most 94 small characters can be stored. This picture has %1</translation>
    </message>
    <message>
        <source>输入应为-650～650之间的十进制数字</source>
        <translation>Enter a decimal number from -650 to 650</translation>
    </message>
    <message>
        <source>数值应在-650～650之间</source>
        <translation>The value must be from -650 to 650</translation>
    </message>
    <message>
        <source>发送图片</source>
        <translation>Send picture</translation>
    </message>
    <message>
        <source>正在发送图片数据（字节）</source>
        <translation>Sending picture data (bytes)</translation>
    </message>
    <message>
        <source>图片发送已取消，叠加器上可能显示不完整的图片</source>
        <translation>Picture send cancelled. The unit may show an incomplete picture</translation>
    </message>
    <message>
        <source>静止-自定义字体，发送完毕！</source>
        <translation>Static - custom font: sent!</translation>
    </message>
    <message>
        <source>操作完成！</source>
        <translation>Done!</translation>
    </message>
    <message>
        <source>静止显示参数的选择项超出范围</source>
        <translation>A static display setting&apos;s choice is out of range</translation>
    </message>
    <message>
        <source>先选择要发送的信息</source>
        <translation>Choose the message to send first</translation>
    </message>
    <message>
        <source>输入的字符加上行距结果扫描线大于480，请调整输入字符行数或行距</source>
        <translation>The characters and line spacing take more than 480 scan lines. Change the number of lines or the line spacing</translation>
    </message>
    <message>
        <source>输入的字符加上行距所占的点阵数据超出设备缓存容量，请调整输入字符或行距</source>
        <translation>The characters and line spacing need more dot-matrix data than the unit&apos;s buffer holds. Change the characters or the line spacing</translation>
    </message>
    <message>
        <source>字符原形最大点阵不能超过360*360，最大像素不能超过133120</source>
        <translation>The character size must not exceed 360*360 dots, at most 133120 pixels</translation>
    </message>
    <message>
        <source>单行字符长度过长，每行转换成图片的后的宽度不能大于816像素</source>
        <translation>A line is too long: each line&apos;s picture must not be wider than 816 pixels</translation>
    </message>
    <message>
        <source>图片的高度不能大于520线</source>
        <translation>The picture must not be higher than 520 lines</translation>
    </message>
    <message>
        <source>字符转换成图片后，尺寸太大了，图片的最大像素不能大于133120像素，请减小行距或减少字符数</source>
        <translation>The text&apos;s picture is too large: a picture has at most 133120 pixels. Reduce the line spacing or use fewer characters</translation>
    </message>
    <message>
        <source>单行字符转换成图片后宽度太大，不能大于816像素</source>
        <translation>A line&apos;s picture is too wide: it must not be wider than 816 pixels</translation>
    </message>
    <message>
        <source>字符转换成图片后图片的高度不能大于520线</source>
        <translation>The text&apos;s picture must not be higher than 520 lines</translation>
    </message>
    <message>
        <source>没有要发送的字符，请输入</source>
        <translation>No characters to send. Please type some</translation>
    </message>
    <message>
        <source>发送滚动</source>
        <translation>Send scroll</translation>
    </message>
    <message>
        <source>正在发送滚动图片（字节）</source>
        <translation>Sending the scroll picture (bytes)</translation>
    </message>
    <message>
        <source>用时%1ms</source>
        <translation>Took %1 ms</translation>
    </message>
    <message>
        <source>没有要发送的滚动信息，请输入</source>
        <translation>No scroll text to send. Please type some</translation>
    </message>
    <message>
        <source>滚动信息无法转换成图片，请减少字符或换一种字体</source>
        <translation>The scroll text cannot be turned into a picture. Use fewer characters or another font</translation>
    </message>
    <message>
        <source>%1次</source>
        <translation>%1 times</translation>
    </message>
    <message>
        <source>不停滚动</source>
        <translation>Endless</translation>
    </message>
    <message>
        <source>最快</source>
        <translation>Fastest</translation>
    </message>
    <message>
        <source>8(默认)</source>
        <translation>8 (default)</translation>
    </message>
    <message>
        <source>最慢</source>
        <translation>Slowest</translation>
    </message>
    <message>
        <source>外部视频输入</source>
        <translation>External video input</translation>
    </message>
    <message>
        <source>滚动垂直位置的参数不能为空</source>
        <translation>The scroll&apos;s vertical position must not be empty</translation>
    </message>
    <message>
        <source>滚动参数的选择项超出范围</source>
        <translation>A scroll setting&apos;s choice is out of range</translation>
    </message>
    <message>
        <source>这个操作只能制定特定设备</source>
        <translation>This operation needs one specified unit, not broadcast</translation>
    </message>
    <message>
        <source>超出范围，最多能发送%1个字符</source>
        <translation>Too long: at most %1 characters can be sent</translation>
    </message>
    <message>
        <source>组合滚动信息共%1字节，超过了设备能接收的65535字节，请减少字符或分段</source>
        <translation>The scroll shortcut is %1 bytes, more than the 65535 bytes a unit takes. Use fewer characters or segments</translation>
    </message>
    <message>
        <source>输入要插入的字符：</source>
        <translation>Characters to insert:</translation>
    </message>
    <message>
        <source>输入插入短信编号：</source>
        <translation>Picture message number to insert:</translation>
    </message>
    <message>
        <source>OK！</source>
        <translation>OK!</translation>
    </message>
    <message>
        <source>添加的图文短信编号必须为1-30的十进制数</source>
        <translation>The picture message number must be a decimal number from 1 to 30</translation>
    </message>
    <message>
        <source>没有要添加的字符，请输入</source>
        <translation>No characters to add. Please type some</translation>
    </message>
    <message>
        <source>每段字符数不能大于510个，请安排分段插入</source>
        <translation>A segment holds at most 510 characters. Please split it into several segments</translation>
    </message>
    <message>
        <source>每段字符数不能大于510个，请分段插入</source>
        <translation>A segment holds at most 510 characters. Please insert it in several segments</translation>
    </message>
    <message>
        <source>组合滚动信息最多只能有1001段，已经满了，不能再添加</source>
        <translation>A scroll shortcut holds at most 1001 segments. It is full, nothing more can be added</translation>
    </message>
    <message>
        <source>还没有添加滚动信息</source>
        <translation>No scroll text added yet</translation>
    </message>
    <message>
        <source>发送滚动组合快捷，序号为 %1</source>
        <translation>sent scroll shortcut no. %1</translation>
    </message>
    <message>
        <source>刷新发送滚动信息，使用设备内置大号字库</source>
        <translation>sent a new scroll text in the unit&apos;s large built-in font</translation>
    </message>
    <message>
        <source>刷新发送滚动信息，使用设备内置小号字库</source>
        <translation>sent a new scroll text in the unit&apos;s small built-in font</translation>
    </message>
    <message>
        <source>追加发送滚动信息，使用设备内置大号字库</source>
        <translation>appended scroll text in the unit&apos;s large built-in font</translation>
    </message>
    <message>
        <source>追加发送滚动信息，使用设备内置小号字库</source>
        <translation>appended scroll text in the unit&apos;s small built-in font</translation>
    </message>
    <message>
        <source>刷新发送滚动信息，调用大号图文短信，序号为：%1</source>
        <translation>sent a new scroll text, large picture message no. %1</translation>
    </message>
    <message>
        <source>刷新发送滚动信息，调用小号图文短信，序号为：%1</source>
        <translation>sent a new scroll text, small picture message no. %1</translation>
    </message>
    <message>
        <source>追加发送滚动信息，追加大号图文短信，序号为：%1</source>
        <translation>appended scroll text, large picture message no. %1</translation>
    </message>
    <message>
        <source>追加发送滚动信息，追加小号图文短信，序号为：%1</source>
        <translation>appended scroll text, small picture message no. %1</translation>
    </message>
    <message>
        <source>最后一次的滚动操作是：%1</source>
        <translation>Last scroll operation: %1</translation>
    </message>
    <message>
        <source>滚动次数：%1</source>
        <translation>Repetitions: %1</translation>
    </message>
    <message>
        <source>滚动间歇时间：%1秒</source>
        <translation>Pause between scrolls: %1 s</translation>
    </message>
    <message>
        <source>滚动间歇时间：%1秒，但现已被取消了间歇功能</source>
        <translation>Pause between scrolls: %1 s, but the pause is now switched off</translation>
    </message>
    <message>
        <source>滚动间歇时间：%1秒，间歇功能无效</source>
        <translation>Pause between scrolls: %1 s, the pause has no effect</translation>
    </message>
    <message>
        <source>滚动间歇时间：%1秒，但由于滚动次数设置了不停滚动，所以间歇功能无效</source>
        <translation>Pause between scrolls: %1 s, but the scroll repeats endlessly, so the pause has no effect</translation>
    </message>
    <message>
        <source>最亮</source>
        <translation>brightest</translation>
    </message>
    <message>
        <source>较亮</source>
        <translation>bright</translation>
    </message>
    <message>
        <source>较暗</source>
        <translation>dim</translation>
    </message>
    <message>
        <source>最暗</source>
        <translation>dimmest</translation>
    </message>
    <message>
        <source>仅显示滚动</source>
        <translation>scroll only</translation>
    </message>
    <message>
        <source>仅显示静止图文</source>
        <translation>static picture only</translation>
    </message>
    <message>
        <source>显示滚动，显示静止图文，台标关闭</source>
        <translation>scroll and static picture, logo off</translation>
    </message>
    <message>
        <source>仅显示台标</source>
        <translation>logo only</translation>
    </message>
    <message>
        <source>关闭显示静止图文,显示滚动，显示台标</source>
        <translation>scroll and logo, static picture off</translation>
    </message>
    <message>
        <source>关闭滚动显示，显示静止图文，显示台标</source>
        <translation>static picture and logo, scroll off</translation>
    </message>
    <message>
        <source>全部显示</source>
        <translation>all shown</translation>
    </message>
    <message>
        <source>字幕显示项：%1</source>
        <translation>Shown items: %1</translation>
    </message>
    <message>
        <source>当前显示静止图文序号：无可显示信息</source>
        <translation>Static picture shown now: none to show</translation>
    </message>
    <message>
        <source>当前显示静止图文为：临时静止图文信息</source>
        <translation>Static picture shown now: the temporary static picture</translation>
    </message>
    <message>
        <source>当前应该显示的静止图文为：临时静止图文信息，  但现已关闭显示</source>
        <translation>Static picture to show now: the temporary static picture,  but display is off</translation>
    </message>
    <message>
        <source>当前显示静止图文序号：%1</source>
        <translation>Static picture shown now: no. %1</translation>
    </message>
    <message>
        <source>当前应该显示的静止图文序号：%1  但现已关闭显示</source>
        <translation>Static picture to show now: no. %1  but display is off</translation>
    </message>
    <message>
        <source>滚动垂直位置：%1</source>
        <translation>Scroll vertical position: %1</translation>
    </message>
    <message>
        <source>字符亮度：%1</source>
        <translation>Character brightness: %1</translation>
    </message>
    <message>
        <source>滚动背景条效果：%1</source>
        <translation>Scroll bar background: %1</translation>
    </message>
    <message>
        <source>滚动背景条上端高度：%1</source>
        <translation>Scroll bar height above: %1</translation>
    </message>
    <message>
        <source>滚动背景条下端高度：%1</source>
        <translation>Scroll bar height below: %1</translation>
    </message>
    <message>
        <source>滚动速度：%1</source>
        <translation>Scroll speed: %1</translation>
    </message>
    <message>
        <source>滚动条水平偏移：%1</source>
        <translation>Scroll bar horizontal offset: %1</translation>
    </message>
    <message>
        <source>开机显示静止图文序号：%1</source>
        <translation>Power-on static picture: no. %1</translation>
    </message>
    <message>
        <source>开机显示静止图文时间：%1秒</source>
        <translation>Power-on static picture time: %1 s</translation>
    </message>
    <message>
        <source>开机显示静止图文时间：保持显示</source>
        <translation>Power-on static picture time: stays shown</translation>
    </message>
    <message>
        <source>开机滚动组合快捷序号：%1</source>
        <translation>Power-on scroll shortcut: no. %1</translation>
    </message>
    <message>
        <source>台标图文尺寸：%1 x %2</source>
        <translation>Logo size: %1 x %2</translation>
    </message>
    <message>
        <source>台标图文尺寸：无效</source>
        <translation>Logo size: not valid</translation>
    </message>
    <message>
        <source>台标水平偏移：%1</source>
        <translation>Logo horizontal offset: %1</translation>
    </message>
    <message>
        <source>台标图文垂直位置：%1</source>
        <translation>Logo vertical position: %1</translation>
    </message>
    <message>
        <source>台标图文背景效果：%1</source>
        <translation>Logo background: %1</translation>
    </message>
    <message>
        <source>台标亮度：%1</source>
        <translation>Logo brightness: %1</translation>
    </message>
    <message>
        <source>静止图文尺寸：%1 x %2</source>
        <translation>Static picture size: %1 x %2</translation>
    </message>
    <message>
        <source>静止图文水平偏移：%1</source>
        <translation>Static picture horizontal offset: %1</translation>
    </message>
    <message>
        <source>静止图文垂直位置：%1</source>
        <translation>Static picture vertical position: %1</translation>
    </message>
    <message>
        <source>静止图文背景效果：%1</source>
        <translation>Static picture background: %1</translation>
    </message>
    <message>
        <source>静止图文亮度：%1</source>
        <translation>Static picture brightness: %1</translation>
    </message>
    <message>
        <source>指定的设备不存在或没连接，请检查指定地址码是否有误或通信是否正常！</source>
        <translation>The specified unit does not exist or is not connected. Check the device address and the connection!</translation>
    </message>
    <message>
        <source>字幕信息</source>
        <translation>Caption status</translation>
    </message>
    <message>
        <source>          以下是地址码为 %1 的字幕信息</source>
        <translation>          Caption status of the unit at address %1</translation>
    </message>
    <message>
        <source>滚动字体尺寸：大号</source>
        <translation>Scroll font size: large</translation>
    </message>
    <message>
        <source>滚动字体尺寸：小号</source>
        <translation>Scroll font size: small</translation>
    </message>
    <message>
        <source>滚动信息：%1</source>
        <translation>Scroll text: %1</translation>
    </message>
    <message>
        <source>滚动字符总数：%1</source>
        <translation>Scroll characters: %1</translation>
    </message>
    <message>
        <source>快捷%1</source>
        <translation>Shortcut %1</translation>
    </message>
    <message>
        <source>地址码及波特率</source>
        <translation>Address and baud rate</translation>
    </message>
    <message>
        <source>应用测试（串口）</source>
        <translation>Display test (serial)</translation>
    </message>
    <message>
        <source>其它</source>
        <translation>Other</translation>
    </message>
    <message>
        <source>下面最后一次操作</source>
        <translation>Last operation below</translation>
    </message>
    <message>
        <source>横线行号</source>
        <translation>Horizontal line row</translation>
    </message>
    <message>
        <source>竖线列号</source>
        <translation>Vertical line column</translation>
    </message>
    <message>
        <source>十字线外形选择</source>
        <translation>Crosshair shape</translation>
    </message>
    <message>
        <source>确定</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>保存设置</source>
        <translation>Save settings</translation>
    </message>
    <message>
        <source>字符属性</source>
        <translation>Character attributes</translation>
    </message>
    <message>
        <source>&lt; 确定</source>
        <translation>&lt; OK</translation>
    </message>
    <message>
        <source>清屏清行</source>
        <translation>Clear screen or line</translation>
    </message>
    <message>
        <source>字符代码输入,逗号隔开↓</source>
        <translation>Character codes, separated by commas ↓</translation>
    </message>
    <message>
        <source>显示字符测试</source>
        <translation>Show characters</translation>
    </message>
    <message>
        <source>叠加器显示前128个字符测试</source>
        <translation>Show the first 128 characters</translation>
    </message>
    <message>
        <source>叠加器显示后128个字符测试</source>
        <translation>Show the last 128 characters</translation>
    </message>
    <message>
        <source>视频模式</source>
        <translation>Video mode</translation>
    </message>
    <message>
        <source>保存视频显示模式 ↑</source>
        <translation>Save video mode ↑</translation>
    </message>
    <message>
        <source>直接输入字符转换为图片</source>
        <translation>Type text here to turn it into a picture</translation>
    </message>
    <message>
        <source>粗体</source>
        <translation>Bold</translation>
    </message>
    <message>
        <source>字符下载</source>
        <translation>Send text</translation>
    </message>
    <message>
        <source>下载图片</source>
        <translation>Send picture</translation>
    </message>
    <message>
        <source>修改参数</source>
        <translation>Change settings</translation>
    </message>
    <message>
        <source>字符</source>
        <translation>Text</translation>
    </message>
    <message>
        <source>字体</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>行距</source>
        <translation>Line spacing</translation>
    </message>
    <message>
        <source>垂直调整</source>
        <translation>Vertical shift</translation>
    </message>
    <message>
        <source>显示增高</source>
        <translation>Extra height</translation>
    </message>
    <message>
        <source>显示</source>
        <translation>Display</translation>
    </message>
    <message>
        <source>垂直位移</source>
        <translation>Vertical position</translation>
    </message>
    <message>
        <source>亮度</source>
        <translation>Brightness</translation>
    </message>
    <message>
        <source>背景</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>灰度阀值调整</source>
        <translation>Grey threshold</translation>
    </message>
    <message>
        <source>图文位置</source>
        <translation>Picture slot</translation>
    </message>
    <message>
        <source>字符列表</source>
        <translation>Character list</translation>
    </message>
    <message>
        <source>字符编辑</source>
        <translation>Character editing</translation>
    </message>
    <message>
        <source>&lt; 描边    </source>
        <translation>&lt; Outline</translation>
    </message>
    <message>
        <source>&lt; 取消描边</source>
        <translation>&lt; No outline</translation>
    </message>
    <message>
        <source>&lt; 背景透明</source>
        <translation>&lt; BG clear</translation>
    </message>
    <message>
        <source>&lt; 背景黑色</source>
        <translation>&lt; BG black</translation>
    </message>
    <message>
        <source>&lt; 背景白色</source>
        <translation>&lt; BG white</translation>
    </message>
    <message>
        <source>&lt; 取消编辑</source>
        <translation>&lt; Cancel editing</translation>
    </message>
    <message>
        <source>← 字符在字库中的代码</source>
        <translation>← Character&apos;s code in the font</translation>
    </message>
    <message>
        <source>撤销</source>
        <translation>Undo</translation>
    </message>
    <message>
        <source>撤销上一步编辑（Ctrl+Z）</source>
        <translation>Undo the last edit (Ctrl+Z)</translation>
    </message>
    <message>
        <source>重做</source>
        <translation>Redo</translation>
    </message>
    <message>
        <source>重做（Ctrl+Y）</source>
        <translation>Redo (Ctrl+Y)</translation>
    </message>
    <message>
        <source>从系统字体提取</source>
        <translation>Extract from a system font</translation>
    </message>
    <message>
        <source>字体：</source>
        <translation>Font:</translation>
    </message>
    <message>
        <source>大小：</source>
        <translation>Size:</translation>
    </message>
    <message>
        <source>要提取的字符</source>
        <translation>To extract</translation>
    </message>
    <message>
        <source>水平偏移：</source>
        <translation>X offset:</translation>
    </message>
    <message>
        <source>垂直偏移：</source>
        <translation>Y offset:</translation>
    </message>
    <message>
        <source>字符点阵提取</source>
        <translation>Extract dot matrix</translation>
    </message>
    <message>
        <source>字库</source>
        <translation>Font</translation>
    </message>
    <message>
        <source>打开本地字库数据</source>
        <translation>Open local font</translation>
    </message>
    <message>
        <source>打开叠加器字库数据</source>
        <translation>Open unit font</translation>
    </message>
    <message>
        <source>保存字库到电脑</source>
        <translation>Save font to PC</translation>
    </message>
    <message>
        <source>保存并下载当前编辑字符</source>
        <translation>Save and send char</translation>
    </message>
    <message>
        <source>字库生成C文件</source>
        <translation>Export as C file</translation>
    </message>
    <message>
        <source>导入字库文件…</source>
        <translation>Import font file…</translation>
    </message>
    <message>
        <source>导出字库文件…</source>
        <translation>Export font file…</translation>
    </message>
    <message>
        <source>PNG 字符间加分隔线</source>
        <translation>PNG: lines between characters</translation>
    </message>
    <message>
        <source>当前无编辑字符或图形</source>
        <translation>No character or graphic is being edited</translation>
    </message>
    <message>
        <source>导入字库文件</source>
        <translation>Import font file</translation>
    </message>
    <message>
        <source>字库文件 (*.bin *.mcm *.png)</source>
        <translation>Font files (*.bin *.mcm *.png)</translation>
    </message>
    <message>
        <source>导出字库文件</source>
        <translation>Export font file</translation>
    </message>
    <message>
        <source>MAX7456 字库 (*.mcm);;PNG 字库图 (*.png);;字库文件 (*.bin)</source>
        <translation>MAX7456 font (*.mcm);;PNG font image (*.png);;Font file (*.bin)</translation>
    </message>
    <message>
        <source>先点击左侧列表框要更改的字符</source>
        <translation>First click the character to change in the list on the left</translation>
    </message>
    <message>
        <source>字库编辑</source>
        <translation>Font editor</translation>
    </message>
    <message>
        <source>字库校验</source>
        <translation>Font verification</translation>
    </message>
    <message>
        <source>当前字库</source>
        <translation>Current font</translation>
    </message>
    <message>
        <source>叠加器读出</source>
        <translation>Read from unit</translation>
    </message>
    <message>
        <source>（尚未读取）</source>
        <translation>(not read yet)</translation>
    </message>
    <message>
        <source>重试次数：</source>
        <translation>Retries:</translation>
    </message>
    <message>
        <source>写入后校验</source>
        <translation>Verify after writing</translation>
    </message>
    <message>
        <source>从字符 %1 继续写入</source>
        <translation>Resume writing at character %1</translation>
    </message>
    <message>
        <source>修改波特率，地址码</source>
        <translation>Change baud rate, address</translation>
    </message>
    <message>
        <source>新波特率：</source>
        <translation>New baud rate:</translation>
    </message>
    <message>
        <source>新地址码：</source>
        <translation>New address:</translation>
    </message>
    <message>
        <source>读出波特率地址码</source>
        <translation>Read baud rate and address</translation>
    </message>
    <message>
        <source>修改地址码及波特率</source>
        <translation>Change address and baud rate</translation>
    </message>
    <message>
        <source>语言 / Language</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>帮助</source>
        <translation>Help</translation>
    </message>
    <message>
        <source>产品型号</source>
        <translation>Product model</translation>
    </message>
    <message>
        <source>操作失败：%1</source>
        <translation>Operation failed: %1</translation>
    </message>
    <message>
        <source>打开其他功能</source>
        <translation>Show other functions</translation>
    </message>
    <message>
        <source>收起其他功能</source>
        <translation>Hide other functions</translation>
    </message>
    <message>
        <source>台标与静止图文</source>
        <translation>Logo and static</translation>
    </message>
    <message>
        <source>过滤噪声</source>
        <translation>Filter noise</translation>
    </message>
    <message>
        <source>并保存为开机</source>
        <translation>Also save for power-on</translation>
    </message>
    <message>
        <source>字符尺寸</source>
        <translation>Character size</translation>
    </message>
    <message>
        <source>图文短信尺寸</source>
        <translation>Picture message size</translation>
    </message>
    <message>
        <source>图文短信编号</source>
        <translation>Picture message no.</translation>
    </message>
    <message>
        <source>字符数：%1</source>
        <translation>Characters: %1</translation>
    </message>
    <message>
        <source>串口对应</source>
        <translation>Serial port map</translation>
    </message>
    <message>
        <source>本机找到的串口：</source>
        <translation>Serial ports found on this computer:</translation>
    </message>
    <message>
        <source>名称</source>
        <translation>Name</translation>
    </message>
    <message>
        <source>设备</source>
        <translation>Device</translation>
    </message>
    <message>
        <source>说明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>USB 编号</source>
        <translation>USB ID</translation>
    </message>
    <message>
        <source>设备路径，或网络串口 rfc2217://主机:端口、socket://主机:端口：</source>
        <translation>Device path, or network serial port rfc2217://host:port, socket://host:port:</translation>
    </message>
    <message>
        <source>测试连接</source>
        <translation>Test connection</translation>
    </message>
    <message>
        <source>停止测试</source>
        <translation>Stop test</translation>
    </message>
    <message>
        <source>%1：正在连接 %2 …</source>
        <translation>%1: connecting to %2 …</translation>
    </message>
    <message>
        <source>%1：连接失败：%2</source>
        <translation>%1: connection failed: %2</translation>
    </message>
    <message>
        <source>取消</source>
        <translation>Cancel</translation>
    </message>
    <message>
        <source>设备地址队列</source>
        <translation>Device address queue</translation>
    </message>
    <message>
        <source>地址码</source>
        <translation>Address</translation>
    </message>
    <message>
        <source>设备地址说明</source>
        <translation>Description</translation>
    </message>
    <message>
        <source>地址码：</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>说明：</source>
        <translation>Description:</translation>
    </message>
    <message>
        <source>添加</source>
        <translation>Add</translation>
    </message>
    <message>
        <source>修改</source>
        <translation>Modify</translation>
    </message>
    <message>
        <source>发送模式选择</source>
        <translation>Send mode</translation>
    </message>
    <message>
        <source>刷新发送</source>
        <translation>Refresh and send</translation>
    </message>
    <message>
        <source>序号</source>
        <translation>No.</translation>
    </message>
    <message>
        <source>并设为开机滚动</source>
        <translation>Also power-on scroll</translation>
    </message>
    <message>
        <source>定时时间</source>
        <translation>Timer</translation>
    </message>
    <message>
        <source>滚动信息</source>
        <translation>Scroll messages</translation>
    </message>
    <message>
        <source>滚动参数设置</source>
        <translation>Scroll settings</translation>
    </message>
    <message>
        <source>保存</source>
        <translation>Save</translation>
    </message>
    <message>
        <source>设置参数</source>
        <translation>Apply settings</translation>
    </message>
    <message>
        <source>滚动次数</source>
        <translation>Repetitions</translation>
    </message>
    <message>
        <source>垂直位置</source>
        <translation>Vertical position</translation>
    </message>
    <message>
        <source>字符亮度</source>
        <translation>Text brightness</translation>
    </message>
    <message>
        <source>背景效果</source>
        <translation>Background effect</translation>
    </message>
    <message>
        <source>背景条上端高度</source>
        <translation>Bar height above</translation>
    </message>
    <message>
        <source>背景条下端高度</source>
        <translation>Bar height below</translation>
    </message>
    <message>
        <source>滚动速度</source>
        <translation>Scroll speed</translation>
    </message>
    <message>
        <source>视频输入</source>
        <translation>Video input</translation>
    </message>
    <message>
        <source>循环间隔时间</source>
        <translation>Loop interval</translation>
    </message>
    <message>
        <source>选择或关闭串口</source>
        <translation>Choose or close the serial port</translation>
    </message>
    <message>
        <source>串口对应…</source>
        <translation>Port map…</translation>
    </message>
    <message>
        <source>把本机的串口设备对应到 COM1 … COM12</source>
        <translation>Map this computer&apos;s serial devices to COM1 … COM12</translation>
    </message>
    <message>
        <source>当前串口：</source>
        <translation>Port:</translation>
    </message>
    <message>
        <source>波特率：</source>
        <translation>Baud:</translation>
    </message>
    <message>
        <source>插入字符</source>
        <translation>Insert text</translation>
    </message>
    <message>
        <source>插入图文短信</source>
        <translation>Insert picture message</translation>
    </message>
    <message>
        <source>&lt;&lt; 添加</source>
        <translation>&lt;&lt; Add</translation>
    </message>
    <message>
        <source>全撤</source>
        <translation>Clear all</translation>
    </message>
    <message>
        <source>组合滚动编号</source>
        <translation>Shortcut no.</translation>
    </message>
    <message>
        <source>字符点阵</source>
        <translation>Dot matrix</translation>
    </message>
    <message>
        <source>字符垂直调整</source>
        <translation>Vertical shift</translation>
    </message>
    <message>
        <source>发送对象</source>
        <translation>Send to</translation>
    </message>
    <message>
        <source>按广播</source>
        <translation>Broadcast</translation>
    </message>
    <message>
        <source>按指定地址</source>
        <translation>Device address</translation>
    </message>
    <message>
        <source>按地址队列</source>
        <translation>Address queue</translation>
    </message>
    <message>
        <source>指定地址码：</source>
        <translation>Address:</translation>
    </message>
    <message>
        <source>选中即向发送对象播放存储的滚动信息</source>
        <translation>Choosing one plays that stored scroll text on the units sent to</translation>
    </message>
    <message>
        <source>播放存储滚动：</source>
        <translation>Play stored scroll:</translation>
    </message>
    <message>
        <source> … (%1 字节)</source>
        <translation> … (%1 bytes)</translation>
    </message>
    <message>
        <source>通信记录</source>
        <translation>Traffic</translation>
    </message>
    <message>
        <source>时间</source>
        <translation>Time</translation>
    </message>
    <message>
        <source>波特率</source>
        <translation>Baud</translation>
    </message>
    <message>
        <source>方向</source>
        <translation>Direction</translation>
    </message>
    <message>
        <source>字节</source>
        <translation>Bytes</translation>
    </message>
    <message>
        <source>含义</source>
        <translation>Meaning</translation>
    </message>
    <message>
        <source>发送</source>
        <translation>Sent</translation>
    </message>
    <message>
        <source>接收</source>
        <translation>Received</translation>
    </message>
    <message>
        <source>全部</source>
        <translation>All</translation>
    </message>
    <message>
        <source>复制为十六进制</source>
        <translation>Copy as hex</translation>
    </message>
    <message>
        <source>清除</source>
        <translation>Clear</translation>
    </message>
    <message>
        <source>文字横排</source>
        <translation>Horizontal text</translation>
    </message>
    <message>
        <source>文字纵排</source>
        <translation>Vertical text</translation>
    </message>
    <message>
        <source>字符叠加器字库编辑程序</source>
        <translation>Unit font editor</translation>
    </message>
    <message>
        <source>输入十进制0-254地址码：</source>
        <translation>Enter the address (decimal, 0-254):</translation>
    </message>
    <message>
        <source>写入地址</source>
        <translation>Write address</translation>
    </message>
</context>
</TS>
