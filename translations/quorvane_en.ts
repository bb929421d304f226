<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="zh_CN">
<context>
    <name>About</name>
    <message>
        <source>本程序《Quorvane》是一款经典好玩的小游戏。</source>
        <translation>Quorvane is a little puzzle game, quick to learn and fun to play.</translation>
    </message>
    <message>
        <source>本程序是自由软件，依照 MIT 许可证发布。</source>
        <translation>It is free software, released under the MIT License.</translation>
    </message>
    <message>
        <source>（当前程序版本为%1）</source>
        <translation>(This is version %1.)</translation>
    </message>
    <message>
        <source>© 2026 Quorvane 开发组</source>
        <translation>© 2026 the Quorvane developers</translation>
    </message>
    <message>
        <source>查看版权所有者信息</source>
        <translation>About the copyright holders</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>棋盘</source>
        <translation>Board</translation>
    </message>
    <message>
        <source>方向键移动光标，空格键或回车键选择光标处的方块</source>
        <translation>Arrow keys move the cursor; Space or Enter picks the tile under it</translation>
    </message>
    <message>
        <source>第%1列</source>
        <translation>Column %1</translation>
    </message>
    <message>
        <source>第%1行</source>
        <translation>Row %1</translation>
    </message>
    <message>
        <source>剩余时间</source>
        <translation>Time left</translation>
    </message>
    <message>
        <source>第%1行第%2列</source>
        <translation>Row %1, column %2</translation>
    </message>
    <message>
        <source>%1 %2</source>
        <comment>place and fruit</comment>
        <translation>%1: %2</translation>
    </message>
    <message>
        <source>空</source>
        <translation>empty</translation>
    </message>
    <message>
        <source>%1 已选中</source>
        <translation>%1, selected</translation>
    </message>
</context>
<context>
    <name>Buttons</name>
    <message>
        <source>重新载入</source>
        <translation>Restart</translation>
    </message>
    <message>
        <source>关于</source>
        <translation>About</translation>
    </message>
    <message>
        <source>官方网站</source>
        <translation>Website</translation>
    </message>
    <message>
        <source>游戏频道</source>
        <translation>Games</translation>
    </message>
</context>
<context>
    <name>Engine</name>
    <message>
        <source>暂停</source>
        <translation>Pause</translation>
    </message>
    <message>
        <source>开始</source>
        <translation>Resume</translation>
    </message>
    <message>
        <source>&gt; 下一关</source>
        <translation>&gt; Next level</translation>
    </message>
    <message>
        <source>继续游戏</source>
        <translation>Play again</translation>
    </message>
    <message>
        <source>程序执行错误!</source>
        <translation>The game ran into an internal error.</translation>
    </message>
    <message>
        <source>求助 %1</source>
        <translation>Hint %1</translation>
    </message>
</context>
<context>
    <name>Fruit</name>
    <message>
        <source>红苹果</source>
        <translation>red apple</translation>
    </message>
    <message>
        <source>青苹果</source>
        <translation>green apple</translation>
    </message>
    <message>
        <source>梨</source>
        <translation>pear</translation>
    </message>
    <message>
        <source>橘子</source>
        <translation>tangerine</translation>
    </message>
    <message>
        <source>柠檬</source>
        <translation>lemon</translation>
    </message>
    <message>
        <source>香蕉</source>
        <translation>banana</translation>
    </message>
    <message>
        <source>西瓜</source>
        <translation>watermelon</translation>
    </message>
    <message>
        <source>葡萄</source>
        <translation>grapes</translation>
    </message>
    <message>
        <source>草莓</source>
        <translation>strawberry</translation>
    </message>
    <message>
        <source>蓝莓</source>
        <translation>blueberries</translation>
    </message>
    <message>
        <source>甜瓜</source>
        <translation>melon</translation>
    </message>
    <message>
        <source>樱桃</source>
        <translation>cherries</translation>
    </message>
    <message>
        <source>桃子</source>
        <translation>peach</translation>
    </message>
    <message>
        <source>芒果</source>
        <translation>mango</translation>
    </message>
    <message>
        <source>菠萝</source>
        <translation>pineapple</translation>
    </message>
    <message>
        <source>椰子</source>
        <translation>coconut</translation>
    </message>
    <message>
        <source>猕猴桃</source>
        <translation>kiwi</translation>
    </message>
    <message>
        <source>番茄</source>
        <translation>tomato</translation>
    </message>
    <message>
        <source>橄榄</source>
        <translation>olive</translation>
    </message>
    <message>
        <source>牛油果</source>
        <translation>avocado</translation>
    </message>
    <message>
        <source>青柠</source>
        <translation>lime</translation>
    </message>
    <message>
        <source>栗子</source>
        <translation>chestnut</translation>
    </message>
    <message>
        <source>茄子</source>
        <translation>eggplant</translation>
    </message>
    <message>
        <source>辣椒</source>
        <translation>hot pepper</translation>
    </message>
    <message>
        <source>花生</source>
        <translation>peanuts</translation>
    </message>
</context>
<context>
    <name>News</name>
    <message>
        <source>%1，%2</source>
        <translation>%1, %2</translation>
    </message>
    <message>
        <source>第 %1 关</source>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>第 %1 关过关，按 N 重玩这一关</source>
        <translation>Level %1 cleared. Press N to play it again</translation>
    </message>
    <message>
        <source>第 %1 关过关，按 N 进入第 %2 关</source>
        <translation>Level %1 cleared. Press N for level %2</translation>
    </message>
    <message>
        <source>时间到，按 N 重玩第 %1 关</source>
        <translation>Time&apos;s up. Press N to play level %1 again</translation>
    </message>
    <message>
        <source>时间不多</source>
        <translation>Time is running out</translation>
    </message>
    <message>
        <source>已暂停</source>
        <translation>paused</translation>
    </message>
    <message>
        <source>游戏暂停</source>
        <translation>Paused</translation>
    </message>
    <message>
        <source>游戏继续</source>
        <translation>Resumed</translation>
    </message>
    <message>
        <source>消除 %1</source>
        <translation>Removed %1</translation>
    </message>
    <message>
        <source> </source>
        <comment>list</comment>
        <translation>, </translation>
    </message>
    <message>
        <source>重新洗牌</source>
        <translation>Reshuffled</translation>
    </message>
    <message>
        <source>已选中</source>
        <translation>Selected</translation>
    </message>
    <message>
        <source>，</source>
        <comment>between news</comment>
        <translation>. </translation>
    </message>
    <message>
        <source>剩余时间 %1%</source>
        <translation>%1% of the time left</translation>
    </message>
</context>
<context>
    <name>Window</name>
    <message>
        <source>第 %1 关</source>
        <comment>the level caption</comment>
        <translation>Level %1</translation>
    </message>
    <message>
        <source>你确定要重新载入游戏吗？</source>
        <translation>Are you sure you want to restart the level?</translation>
    </message>
    <message>
        <source>关于本程序...</source>
        <translation>About Quorvane</translation>
    </message>
    <message>
        <source>你确定要关闭并结束程序吗？</source>
        <translation>Are you sure you want to quit the game?</translation>
    </message>
</context>
</TS>
