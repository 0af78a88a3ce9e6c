<?xml version="1.0" encoding="utf-8"?>
<!DOCTYPE TS>
<TS version="2.1" language="en" sourcelanguage="ja">
<context>
    <name>About</name>
    <message>
        <source>Morovan Ver %1<byte value="xd"/><byte value="xd"/>Home page<byte value="xd"/>まだありません (遊び方は「その他」の「遊び方」にあります)<byte value="xd"/><byte value="xd"/>e-mail<byte value="xd"/>まだありません</source>
        <translation>Morovan Ver %1<byte value="xd"/><byte value="xd"/>Home page<byte value="xd"/>None yet (How to play is under &quot;More&quot;, &quot;How to play&quot;)<byte value="xd"/><byte value="xd"/>e-mail<byte value="xd"/>None yet</translation>
    </message>
</context>
<context>
    <name>Board</name>
    <message>
        <source>思考中</source>
        <translation>Thinking</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:名人</source>
        <translation>Handicap: Meijin</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８段</source>
        <translation>Handicap: 8 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７段</source>
        <translation>Handicap: 7 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６段</source>
        <translation>Handicap: 6 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５段</source>
        <translation>Handicap: 5 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４段</source>
        <translation>Handicap: 4 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３段</source>
        <translation>Handicap: 3 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２段</source>
        <translation>Handicap: 2 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:初段</source>
        <translation>Handicap: 1 dan</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:１級</source>
        <translation>Handicap: 1 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:２級</source>
        <translation>Handicap: 2 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:３級</source>
        <translation>Handicap: 3 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:４級</source>
        <translation>Handicap: 4 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:５級</source>
        <translation>Handicap: 5 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:６級</source>
        <translation>Handicap: 6 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:７級</source>
        <translation>Handicap: 7 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:８級</source>
        <translation>Handicap: 8 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:９級</source>
        <translation>Handicap: 9 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:10級</source>
        <translation>Handicap: 10 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:11級</source>
        <translation>Handicap: 11 kyu</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ:12級</source>
        <translation>Handicap: 12 kyu</translation>
    </message>
    <message>
        <source>手目</source>
        <translation>mv</translation>
    </message>
</context>
<context>
    <name>HowToPlay</name>
    <message>
        <source>■ 勝ち負け<byte value="xd"/>・先に王手をかけた方が勝ちです。王手は受けられません。<byte value="xd"/>・自分の王に相手の駒が利いたままになる手を指すと負けです。一手で両方の王に利きがかかると引き分けです。<byte value="xd"/>・相手の角(成った角も)を取ると、取った方の負けです。<byte value="xd"/>・角は駒を取れません。成った角は一マス動くときだけ取れます。<byte value="xd"/>・二歩: 自分の歩がある筋には歩を打てません。<byte value="xd"/>■ 隠れた駒<byte value="xd"/>・コンピュータの駒は対局ごとに自陣の中で並べ替えられ、裏向きで置かれます。動かしたときは、どの駒かが表示されます。<byte value="xd"/>・裏向きの駒をクリックすると、目印の旗が赤、青、なしの順に替わります。覚え書きにどうぞ。<byte value="xd"/>■ 始め方<byte value="xd"/>・「対局」の「先手」か「後手」で始めます。強さは「COM対局ﾚﾍﾞﾙ」で選びます(LEVEL4 がいちばん強い)。<byte value="xd"/>・始める前なら、△ でコンピュータの駒を、▽ であなたの駒を一枚ずつ減らせます(21段階の駒落ち)。自分の駒を二つ続けてクリックすると入れ替えられます。<byte value="xd"/>■ 指し方<byte value="xd"/>・駒をクリックしてから行き先をクリックします。行き先を右クリックすると成ります。<byte value="xd"/>・持ち駒は駒台の駒をクリックしてから、打つ場所をクリックします。<byte value="xd"/>■ メニュー<byte value="xd"/>・戻 / 進: 一手ずつ前後の局面を見られます。「先手」「後手」で、見ている局面から続けて指せます。<byte value="xd"/>・棋譜: 「書込」で対局を保存し、「読込」で読み込んで見直したり続けたりできます。<byte value="xd"/>・局面 → 一時表示: 次にクリックするまで、コンピュータの駒を表向きにします。<byte value="xd"/>・局面 → 反転: 盤を回して、相手の駒を受け持ちます。</source>
        <translation>■ Winning and losing<byte value="xd"/>・Whoever gives check first wins. A check cannot be answered.<byte value="xd"/>・A move that leaves your own king attacked loses. If one move leaves both kings attacked, the game is drawn.<byte value="xd"/>・Whoever takes the opponent&apos;s bishop (promoted or not) loses.<byte value="xd"/>・A bishop cannot capture. A promoted bishop captures only with a one-square step.<byte value="xd"/>・Two pawns: you cannot drop a pawn on a file that already holds one of your pawns.<byte value="xd"/>■ Hidden pieces<byte value="xd"/>・The computer&apos;s pieces are shuffled within its own camp for every game and stand face down. When one moves, its kind is shown.<byte value="xd"/>・Clicking a face-down piece changes its flag: red, blue, none. Use it as a memo.<byte value="xd"/>■ Starting<byte value="xd"/>・Start with &quot;Sente (first)&quot; or &quot;Gote (second)&quot; under &quot;Game&quot;. Choose the strength under &quot;Computer level&quot; (LEVEL4 is the strongest).<byte value="xd"/>・Before the start, △ removes the computer&apos;s pieces and ▽ yours, one at a time (21 handicap steps). Clicking two of your own pieces in a row swaps them.<byte value="xd"/>■ Moving<byte value="xd"/>・Click a piece, then its destination. Right-click the destination to promote.<byte value="xd"/>・To drop a piece in hand, click it on the stand, then the square to drop it on.<byte value="xd"/>■ Menus<byte value="xd"/>・Back / Forward: step one move back or forward. &quot;Sente (first)&quot; or &quot;Gote (second)&quot; goes on playing from the position shown.<byte value="xd"/>・Record: &quot;Write&quot; saves the game; &quot;Read&quot; loads one to review or to go on playing.<byte value="xd"/>・Position → Show pieces: turns the computer&apos;s pieces face up until your next click.<byte value="xd"/>・Position → Flip: turns the board round, so that you take the other side&apos;s pieces.</translation>
    </message>
    <message>
        <source>■ キーボード<byte value="xd"/>・矢印キーでカーソルを動かし、Enter かスペースで駒を選んでから、行き先でもう一度押します。成るときは行き先で P か Shift+Enter を押します。H で持ち駒とのあいだを行き来します。<byte value="xd"/>・Ctrl+1 先手、Ctrl+2 後手、Ctrl+N 最初、PageUp 戻、PageDown 進、Ctrl+T 一時表示、Ctrl+R 反転、Ctrl+S 書込、Ctrl+O 読込。Esc でゲームを終わります。</source>
        <translation>■ Keyboard<byte value="xd"/>・The arrow keys move the cursor; Enter or Space picks the piece under it, and again on the destination plays it. Press P or Shift+Enter on the destination to promote. H moves the cursor to your pieces in hand and back.<byte value="xd"/>・Ctrl+1 Sente (first), Ctrl+2 Gote (second), Ctrl+N Start, PageUp Back, PageDown Forward, Ctrl+T Show pieces, Ctrl+R Flip, Ctrl+S Write, Ctrl+O Read. Alt with a menu&apos;s underlined letter opens it. Esc ends the game.</translation>
    </message>
</context>
<context>
    <name>Menu</name>
    <message>
        <source>対局</source>
        <translation>&amp;Game</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Sente (first)</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Gote (second)</translation>
    </message>
    <message>
        <source>COM対局ﾚﾍﾞﾙ</source>
        <translation>Computer level</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>End</translation>
    </message>
    <message>
        <source>局面</source>
        <translation>&amp;Position</translation>
    </message>
    <message>
        <source>最初</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Flip</translation>
    </message>
    <message>
        <source>一時表示</source>
        <translation>Show pieces</translation>
    </message>
    <message>
        <source>戻</source>
        <translation>&amp;Back</translation>
    </message>
    <message>
        <source>進</source>
        <translation>&amp;Forward</translation>
    </message>
    <message>
        <source>△</source>
        <translation>△</translation>
    </message>
    <message>
        <source>▽</source>
        <translation>▽</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>&amp;Record</translation>
    </message>
    <message>
        <source>読込</source>
        <translation>Read</translation>
    </message>
    <message>
        <source>書込</source>
        <translation>Write</translation>
    </message>
    <message>
        <source>ｵﾌﾟｼｮﾝ</source>
        <translation>&amp;Options</translation>
    </message>
    <message>
        <source>背景画</source>
        <translation>Background</translation>
    </message>
    <message>
        <source>緑</source>
        <translation>Green</translation>
    </message>
    <message>
        <source>畳</source>
        <translation>Tatami</translation>
    </message>
    <message>
        <source>竹</source>
        <translation>Bamboo</translation>
    </message>
    <message>
        <source>宇宙</source>
        <translation>Space</translation>
    </message>
    <message>
        <source>煉瓦</source>
        <translation>Brick</translation>
    </message>
    <message>
        <source>移動指導</source>
        <translation>Move guidance</translation>
    </message>
    <message>
        <source>経過時間</source>
        <translation>Elapsed time</translation>
    </message>
    <message>
        <source>その他</source>
        <translation>&amp;More</translation>
    </message>
    <message>
        <source>遊び方</source>
        <translation>How to play</translation>
    </message>
    <message>
        <source>Morovan について</source>
        <translation>About Morovan</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>システムの言語</source>
        <translation>The system&apos;s language</translation>
    </message>
    <message>
        <source>駒の文字</source>
        <translation>Piece labels</translation>
    </message>
    <message>
        <source>漢字</source>
        <translation>Kanji</translation>
    </message>
    <message>
        <source>ローマ字 (K R B G S N L P)</source>
        <translation>Latin letters (K R B G S N L P)</translation>
    </message>
</context>
<context>
    <name>Message</name>
    <message>
        <source>はい(&amp;Y)</source>
        <translation>&amp;Yes</translation>
    </message>
    <message>
        <source>いいえ(&amp;N)</source>
        <translation>&amp;No</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>ｴﾗｰ</source>
        <translation>Error</translation>
    </message>
    <message>
        <source>ﾌｫﾙﾀﾞを開けません</source>
        <translation>The folder cannot be opened</translation>
    </message>
    <message>
        <source>コンピュータ</source>
        <translation>Computer</translation>
    </message>
    <message>
        <source>指せる手がありません</source>
        <translation>There is no move to play</translation>
    </message>
    <message>
        <source>棋譜が一杯のため、これ以上指せません</source>
        <translation>The record is full; no more moves can be played</translation>
    </message>
    <message>
        <source>開始</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>「対局」で始めて下さい</source>
        <translation>Please start from &quot;Game&quot;</translation>
    </message>
    <message>
        <source>成り</source>
        <translation>Promotion</translation>
    </message>
    <message>
        <source>マウスの右をクリックして下さい</source>
        <translation>Please click with the right mouse button</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Game</translation>
    </message>
    <message>
        <source>Morovanルール</source>
        <translation>Morovan rules</translation>
    </message>
    <message>
        <source>角は相手駒を取ることができません</source>
        <translation>A bishop cannot capture a piece</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>棋譜を &apos;進 &apos;で進めて下さい</source>
        <translation>Step through the record with &apos;Forward&apos;</translation>
    </message>
    <message>
        <source>反転</source>
        <translation>Flip</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません</source>
        <translation>Not possible while viewing a record</translation>
    </message>
    <message>
        <source>引き分けです</source>
        <translation>It is a draw</translation>
    </message>
    <message>
        <source>あなたの勝ちです</source>
        <translation>You win</translation>
    </message>
    <message>
        <source>コンピュータの勝ちです</source>
        <translation>The computer wins</translation>
    </message>
    <message>
        <source>ｺﾝﾋﾟｭｰﾀの勝ちです</source>
        <translation>The computer wins</translation>
    </message>
    <message>
        <source>終了</source>
        <translation>Game over</translation>
    </message>
    <message>
        <source>再ゲーム</source>
        <translation>New game</translation>
    </message>
    <message>
        <source>続けますか？</source>
        <translation>Play again?</translation>
    </message>
    <message>
        <source>MANの番です</source>
        <translation>Your move</translation>
    </message>
    <message>
        <source>王のいない局面からは対局できません</source>
        <translation>A game cannot start from a position without a king</translation>
    </message>
    <message>
        <source>先手の番です</source>
        <translation>Sente to move</translation>
    </message>
    <message>
        <source>後手の番です</source>
        <translation>Gote to move</translation>
    </message>
    <message>
        <source>再開(COM)</source>
        <translation>Resume (computer)</translation>
    </message>
    <message>
        <source>OKですか？</source>
        <translation>Ready?</translation>
    </message>
    <message>
        <source> ゲゲッ！ 角を取りました<byte value="xd"/><byte value="xd"/>        ( X_X ) <byte value="xd"/></source>
        <translation> Oops! The bishop was taken<byte value="xd"/><byte value="xd"/>        ( X_X ) <byte value="xd"/></translation>
    </message>
    <message>
        <source>あなた</source>
        <translation>You</translation>
    </message>
    <message>
        <source>   ** 王手 **</source>
        <translation>   ** Check **</translation>
    </message>
    <message>
        <source>棋譜保存</source>
        <translation>Save record</translation>
    </message>
    <message>
        <source>対局の棋譜を %1 に保存できませんでした</source>
        <translation>The game&apos;s record could not be saved in %1</translation>
    </message>
    <message>
        <source>棋譜書込</source>
        <translation>Write record</translation>
    </message>
    <message>
        <source>持駒が10枚以上ある局面は棋譜に書き込めません</source>
        <translation>A position with ten or more pieces of one kind in hand cannot be written to a record</translation>
    </message>
    <message>
        <source>対局名と名前に使えない文字があります</source>
        <translation>The game name or a player name has a character that cannot be used</translation>
    </message>
    <message>
        <source>棋譜を書き込めませんでした</source>
        <translation>The record could not be written</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名が入力されていません</source>
        <translation>No file name has been entered</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名に使えない文字があります</source>
        <translation>The file name has a character that cannot be used</translation>
    </message>
    <message>
        <source>保存するデータがありません</source>
        <translation>There is nothing to save</translation>
    </message>
    <message>
        <source>棋譜を書き込みました</source>
        <translation>The record has been written</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙを読み込めませんでした</source>
        <translation>The record file could not be read</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙにﾃﾞｰﾀがありません</source>
        <translation>The record file holds no moves</translation>
    </message>
    <message>
        <source>棋譜ﾌｧｲﾙが壊れています</source>
        <translation>The record file is damaged</translation>
    </message>
    <message>
        <source> 読み込みました</source>
        <translation> The record has been read</translation>
    </message>
    <message>
        <source>反転後は書き込みできません</source>
        <translation>Cannot write after the board was flipped</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｷｬｯﾌﾟ設定後は書き込みできません</source>
        <translation>Cannot write after a handicap was set</translation>
    </message>
    <message>
        <source>ﾃﾞﾊﾞｲｽが準備できていません</source>
        <translation>The device is not ready</translation>
    </message>
    <message>
        <source>戻る</source>
        <translation>Back</translation>
    </message>
    <message>
        <source>できません</source>
        <translation>Not possible</translation>
    </message>
    <message>
        <source>進む</source>
        <translation>Forward</translation>
    </message>
    <message>
        <source>終わり</source>
        <translation>End</translation>
    </message>
    <message>
        <source>Direct Soundインターフェースが作成できません。</source>
        <translation>The sound interface cannot be created.</translation>
    </message>
    <message>
        <source>棋譜ﾓｰﾄﾞではできません<byte value="xd"/><byte value="xd"/>局面→最初にして下さい</source>
        <translation>Not possible while viewing a record<byte value="xd"/><byte value="xd"/>Choose Position → Start</translation>
    </message>
    <message>
        <source>対局途中ではできません<byte value="xd"/><byte value="xd"/>局面→最初にして下さい</source>
        <translation>Not possible during a game<byte value="xd"/><byte value="xd"/>Choose Position → Start</translation>
    </message>
    <message>
        <source>反転後ではできません<byte value="xd"/><byte value="xd"/>局面→最初にして下さい</source>
        <translation>Not possible after the board was flipped<byte value="xd"/><byte value="xd"/>Choose Position → Start</translation>
    </message>
    <message>
        <source><byte value="xd"/><byte value="xd"/>局面→最初にして下さい</source>
        <translation><byte value="xd"/><byte value="xd"/>Choose Position → Start</translation>
    </message>
    <message>
        <source>ﾊﾝﾃﾞｨｷｬｯﾌﾟ設定</source>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>言語</source>
        <translation>Language</translation>
    </message>
    <message>
        <source>設定を保存できませんでした</source>
        <translation>The choice could not be saved</translation>
    </message>
    <message>
        <source>次に起動したときから、選んだ言語で表示します</source>
        <translation>The window speaks the chosen language from the next start on</translation>
    </message>
    <message>
        <source>駒の文字</source>
        <translation>Piece labels</translation>
    </message>
</context>
<context>
    <name>RecordPanel</name>
    <message>
        <source>対 局 名：</source>
        <translation>Game:</translation>
    </message>
    <message>
        <source>先    手 ：</source>
        <translation>Sente:</translation>
    </message>
    <message>
        <source>後    手 ：</source>
        <translation>Gote:</translation>
    </message>
    <message>
        <source>ﾌｧｲﾙ名 ：</source>
        <translation>File:</translation>
    </message>
</context>
</TS>
