<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="ja_JP">
<context>
    <name>Dorvek</name>
    <message>
        <source>dorvek light</source>
        <translation>ドーヴェク・ライト</translation>
    </message>
    <message>
        <source>&lt;Font color=red&gt;Demo mode play&lt;/Font&gt;</source>
        <translation>&lt;Font color=red&gt;デモプレイ中&lt;/Font&gt;</translation>
    </message>
    <message>
        <source>more Get card</source>
        <translation>もう1枚引く</translation>
    </message>
    <message>
        <source>Stop card</source>
        <translation>これで勝負</translation>
    </message>
    <message>
        <source>close</source>
        <translation>終了</translation>
    </message>
    <message>
        <source>computer vs computer</source>
        <translation>観戦モード（CPU対CPU）</translation>
    </message>
    <message>
        <source>Free Play1(Tryal play)</source>
        <translation>フリープレイ（お試し）</translation>
    </message>
    <message>
        <source>Config_Sound_backcolor</source>
        <translation>サウンド・背景色の設定</translation>
    </message>
    <message>
        <source>Version</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>&amp;Game</source>
        <translation>ゲーム(&amp;G)</translation>
    </message>
    <message>
        <source>&amp;Config</source>
        <translation>設定(&amp;C)</translation>
    </message>
    <message>
        <source>&amp;Help</source>
        <translation>ヘルプ(&amp;H)</translation>
    </message>
    <message>
        <source>Questtion</source>
        <translation>確認</translation>
    </message>
    <message>
        <source>are u ready finish?</source>
        <translation>ゲームを終了しますか？</translation>
    </message>
    <message>
        <source>Message</source>
        <translation>お知らせ</translation>
    </message>
    <message>
        <source>Now on Play</source>
        <translation>プレイ中は終了できません。</translation>
    </message>
    <message>
        <source>Round1</source>
        <translation>第1ラウンド</translation>
    </message>
    <message>
        <source>It&apos;s CPU play now</source>
        <translation>CPUの番です</translation>
    </message>
    <message>
        <source>It&apos;s your play now</source>
        <translation>あなたの番です</translation>
    </message>
    <message>
        <source>CPU card open</source>
        <translation>CPUのカードを公開</translation>
    </message>
    <message>
        <source>CPU:%1</source>
        <translation>CPU:%1</translation>
    </message>
    <message>
        <source>Player:%1</source>
        <translation>あなた:%1</translation>
    </message>
    <message>
        <source>Round2</source>
        <translation>第2ラウンド</translation>
    </message>
    <message>
        <source>Round3</source>
        <translation>第3ラウンド</translation>
    </message>
    <message>
        <source>Game over</source>
        <translation>ゲームオーバー</translation>
    </message>
    <message>
        <source>Round:%1 CPU=%2,Player=%3,tie=%4</source>
        <translation>第%1回戦 CPU:%2 あなた:%3 引分:%4</translation>
    </message>
    <message>
        <source>CPU Win</source>
        <translation>CPUの勝ち</translation>
    </message>
    <message>
        <source>Player Win</source>
        <translation>あなたの勝ち</translation>
    </message>
    <message>
        <source>It&apos;s tie</source>
        <translation>引き分け</translation>
    </message>
    <message>
        <source>CPU win Victory</source>
        <translation>CPUの勝利！</translation>
    </message>
    <message>
        <source>Player win Victory</source>
        <translation>あなたの勝利！</translation>
    </message>
    <message>
        <source>I am Mirrit</source>
        <translation>ぼくはミリットだよ！</translation>
    </message>
    <message>
        <source>This game approximate cards to 15 game</source>
        <translation>カードの合計を15に近づけるゲームだよ</translation>
    </message>
    <message>
        <source>Let&apos;s start</source>
        <translation>さあ、始めよう！</translation>
    </message>
    <message>
        <source>what are CPU cards</source>
        <translation>CPUのカードは何かな？</translation>
    </message>
    <message>
        <source>Player cards are 12</source>
        <translation>プレイヤーのカードは合計12だよ</translation>
    </message>
    <message>
        <source>CPU cards opens</source>
        <translation>CPUのカードをめくるよ</translation>
    </message>
    <message>
        <source>CPU cards is 10</source>
        <translation>CPUのカードは合計10だよ</translation>
    </message>
    <message>
        <source>CPU cards is 10 and Player cards is 12</source>
        <translation>CPUは10、プレイヤーは12だね</translation>
    </message>
    <message>
        <source>Player win</source>
        <translation>プレイヤーの勝ち！</translation>
    </message>
    <message>
        <source>Next Play is you</source>
        <translation>次はきみの番だよ！</translation>
    </message>
    <message>
        <source>&lt;Font color=red&gt;Watching mode Play&lt;/Font&gt;</source>
        <translation>&lt;Font color=red&gt;観戦モード&lt;/Font&gt;</translation>
    </message>
    <message>
        <source>&lt;Font color=green&gt;Free Play1 mode&lt;/Font&gt;</source>
        <translation>&lt;Font color=green&gt;フリープレイ&lt;/Font&gt;</translation>
    </message>
    <message>
        <source>Deck</source>
        <translation>山札</translation>
    </message>
    <message>
        <source>Mirrit</source>
        <translation>ミリット</translation>
    </message>
    <message>
        <source>%1 of spades</source>
        <translation>スペードの%1</translation>
    </message>
    <message>
        <source>%1 of clubs</source>
        <translation>クラブの%1</translation>
    </message>
    <message>
        <source>%1 of diamonds</source>
        <translation>ダイヤの%1</translation>
    </message>
    <message>
        <source>%1 of hearts</source>
        <translation>ハートの%1</translation>
    </message>
    <message>
        <source>Jack</source>
        <translation>ジャック</translation>
    </message>
    <message>
        <source>Queen</source>
        <translation>クイーン</translation>
    </message>
    <message>
        <source>King</source>
        <translation>キング</translation>
    </message>
    <message>
        <source>Face-down card</source>
        <translation>伏せたカード</translation>
    </message>
    <message>
        <source>Ace</source>
        <translation>エース</translation>
    </message>
    <message>
        <source>%1. %2</source>
        <translation>%1。%2</translation>
    </message>
    <message>
        <source>%1, %2</source>
        <translation>%1、%2</translation>
    </message>
    <message>
        <source>Round %1: CPU %2, you %3, ties %4</source>
        <translation>第%1ラウンド: CPU %2点、あなた %3点、引き分け %4回</translation>
    </message>
    <message>
        <source>CPU cards: %1, total %2</source>
        <translation>CPUのカード: %1、合計 %2</translation>
    </message>
    <message>
        <source>Player cards: %1, total %2</source>
        <translation>プレイヤーのカード: %1、合計 %2</translation>
    </message>
    <message>
        <source>CPU cards face down: %1</source>
        <translation>CPUの伏せたカード: %1枚</translation>
    </message>
    <message>
        <source>CPU %1, you %2</source>
        <translation>CPU %1、あなた %2</translation>
    </message>
    <message>
        <source>%1, total %2</source>
        <translation>%1、合計 %2</translation>
    </message>
</context>
<context>
    <name>Version</name>
    <message>
        <source>Version</source>
        <translation>バージョン情報</translation>
    </message>
    <message>
        <source>Soft name:Dorvek Light</source>
        <translation>ソフト名：ドーヴェク・ライト</translation>
    </message>
    <message>
        <source>Version:Version 1.00o</source>
        <translation>バージョン：1.00o</translation>
    </message>
    <message>
        <source>E-mail:team@example.org</source>
        <translation>メール：team@example.org</translation>
    </message>
    <message>
        <source>URL:https://example.org</source>
        <translation>URL：https://example.org</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
    <message>
        <source>Author name:Dorvek team</source>
        <translation>作者：Dorvek チーム</translation>
    </message>
</context>
<context>
    <name>config_dorvek</name>
    <message>
        <source>Config</source>
        <translation>設定</translation>
    </message>
    <message>
        <source>Sound config</source>
        <translation>サウンド</translation>
    </message>
    <message>
        <source>Sound ON</source>
        <translation>音を出す</translation>
    </message>
    <message>
        <source>Sound OFF</source>
        <translation>音を出さない</translation>
    </message>
    <message>
        <source>Change backcolor</source>
        <translation>背景色</translation>
    </message>
    <message>
        <source>green</source>
        <translation>緑</translation>
    </message>
    <message>
        <source>Dark green</source>
        <translation>深緑</translation>
    </message>
    <message>
        <source>OK</source>
        <translation>OK</translation>
    </message>
</context>
</TS>
