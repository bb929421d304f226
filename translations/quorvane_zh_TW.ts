<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="zh_TW" sourcelanguage="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>本程序《Quorvane》是一款经典好玩的小游戏。</source>
        <translation>本程式《Quorvane》是一款好玩的益智小遊戲。</translation>
    </message>
    <message>
        <source>本程序是自由软件，依照 MIT 许可证发布。</source>
        <translation>本程式是自由軟體，依照 MIT 授權條款發布。</translation>
    </message>
    <message>
        <source>（当前程序版本为%1）</source>
        <translation>（目前程式版本為%1）</translation>
    </message>
    <message>
        <source>© 2026 Quorvane 开发组</source>
        <translation>© 2026 Quorvane 開發團隊</translation>
    </message>
    <message>
        <source>查看版权所有者信息</source>
        <translation>檢視版權所有者資訊</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>棋盘</source>
        <translation>棋盤</translation>
    </message>
    <message>
        <source>方向键移动光标，空格键或回车键选择光标处的方块</source>
        <translation>方向鍵移動游標，空白鍵或 Enter 鍵選取游標處的方塊</translation>
    </message>
    <message>
        <source>第%1列</source>
        <translation>第%1欄</translation>
    </message>
    <message>
        <source>第%1行</source>
        <translation>第%1列</translation>
    </message>
    <message>
        <source>剩余时间</source>
        <translation>剩餘時間</translation>
    </message>
    <message>
        <source>第%1行第%2列</source>
        <translation>第%1列第%2欄</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>place and fruit</comment>
        <translation>%1 %2</translation>
    </message>
    <message>
        <source>空</source>
        <translation>空</translation>
    </message>
    <message>
        <source>%1 已选中</source>
        <translation>%1 已選取</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>重新载入</source>
        <translation>重新載入</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>關於</translation>
    </message>
    <message>
        <source>官方网站</source>
        <translation>官方網站</translation>
    </message>
    <message>
        <source>游戏频道</source>
        <translation>遊戲頻道</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>暂停</source>
        <translation>暫停</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>開始</translation>
    </message>
    <message>
        <source>&gt; 下一关</source>
        <translation>&gt; 下一關</translation>
    </message>
    <message>
        <source>继续游戏</source>
        <translation>繼續遊戲</translation>
    </message>
    <message>
        <source>程序执行错误!</source>
        <translation>程式執行錯誤！</translation>
    </message>
    <message>
        <source>求助 %1</source>
        <translation>提示 %1</translation>
    </message>
</context>
<context>
    <name>Fruit</name>
    <message>
        <source>红苹果</source>
        <translation>紅蘋果</translation>
    </message>
    <message>
        <source>青苹果</source>
        <translation>青蘋果</translation>
    </message>
    <message>
        <source>梨</source>
        <translation>梨子</translation>
    </message>
    <message>
        <source>橘子</source>
        <translation>橘子</translation>
    </message>
    <message>
        <source>柠檬</source>
        <translation>檸檬</translation>
    </message>
    <message>
        <source>香蕉</source>
        <translation>香蕉</translation>
    </message>
    <message>
        <source>西瓜</source>
        <translation>西瓜</translation>
    </message>
    <message>
        <source>葡萄</source>
        <translation>葡萄</translation>
    </message>
    <message>
        <source>草莓</source>
        <translation>草莓</translation>
    </message>
    <message>
        <source>蓝莓</source>
        <translation>藍莓</translation>
    </message>
    <message>
        <source>甜瓜</source>
        <translation>香瓜</translation>
    </message>
    <message>
        <source>樱桃</source>
        <translation>櫻桃</translation>
    </message>
    <message>
        <source>桃子</source>
        <translation>桃子</translation>
    </message>
    <message>
        <source>芒果</source>
        <translation>芒果</translation>
    </message>
    <message>
        <source>菠萝</source>
        <translation>鳳梨</translation>
    </message>
    <message>
        <source>椰子</source>
        <translation>椰子</translation>
    </message>
    <message>
        <source>猕猴桃</source>
        <translation>奇異果</translation>
    </message>
    <message>
        <source>番茄</source>
        <translation>番茄</translation>
    </message>
    <message>
        <source>橄榄</source>
        <translation>橄欖</translation>
    </message>
    <message>
        <source>牛油果</source>
        <translation>酪梨</translation>
    </message>
    <message>
        <source>青柠</source>
        <translation>萊姆</translation>
    </message>
    <message>
        <source>栗子</source>
        <translation>栗子</translation>
    </message>
    <message>
        <source>茄子</source>
        <translation>茄子</translation>
    </message>
    <message>
        <source>辣椒</source>
        <translation>辣椒</translation>
    </message>
    <message>
        <source>花生</source>
        <translation>花生</translation>
    </message>
</context>
<context>
    <name>News</name>
    <message>
        <source>%1，%2</source>
        <translation>%1，%2</translation>
    </message>
    <message>
        <source>第 %1 关</source>
        <translation>第 %1 關</translation>
    </message>
    <message>
        <source>第 %1 关过关，按 N 重玩这一关</source>
        <translation>第 %1 關過關，按 N 重玩這一關</translation>
    </message>
    <message>
        <source>第 %1 关过关，按 N 进入第 %2 关</source>
        <translation>第 %1 關過關，按 N 進入第 %2 關</translation>
    </message>
    <message>
        <source>时间到，按 N 重玩第 %1 关</source>
        <translation>時間到，按 N 重玩第 %1 關</translation>
    </message>
    <message>
        <source>时间不多</source>
        <translation>時間不多</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>已暫停</translation>
    </message>
    <message>
        <source>游戏暂停</source>
        <translation>遊戲暫停</translation>
    </message>
    <message>
        <source>游戏继续</source>
        <translation>遊戲繼續</translation>
    </message>
    <message>
        <source>消除 %1</source>
        <translation>消除 %1</translation>
    </message>
    <message>
        <source> </source>
        <comment>list</comment>
        <translation> </translation>
    </message>
    <message>
        <source>重新洗牌</source>
        <translation>重新洗牌</translation>
    </message>
    <message>
        <source>已选中</source>
        <translation>已選取</translation>
    </message>
    <message>
        <source>，</source>
        <comment>between news</comment>
        <translation>，</translation>
    </message>
    <message>
        <source>剩余时间 %1%</source>
        <translation>剩餘時間 %1%</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>第 %1 关</source>
        <comment>the level caption</comment>
        <translation>第 %1 關</translation>
    </message>
    <message>
        <source>你确定要重新载入游戏吗？</source>
        <translation>你確定要重新載入遊戲嗎？</translation>
    </message>
    <message>
        <source>关于本程序...</source>
        <translation>關於本程式...</translation>
    </message>
    <message>
        <source>你确定要关闭并结束程序吗？</source>
        <translation>你確定要關閉並結束程式嗎？</translation>
    </message>
</context>
</TS>
