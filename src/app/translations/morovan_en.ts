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
        <source>■ キーボード<byte value="xd"/>・矢印キーでカーソルを動かし、Enter かスペースで駒を選んでから、行き先でもう一度押します。成るときは行き先で P か Shift+Enter を押します。H で持ち駒とのあいだを行き来します。<byte value="xd"/>・Ctrl+1 先手、Ctrl+2 後手、Ctrl+N 最初、PageUp 戻、PageDown 進、Ctrl+T 一時表示、Ctrl+R 反転、Ctrl+S 書込、Ctrl+O 読込。<byte value="xd"/>・Alt か F10 でメニューへ移り、矢印キーと Enter で選びます。Esc でゲームを終わります。</source>
        <translation>■ Keyboard<byte value="xd"/>・The arrow keys move the cursor; Enter or Space picks the piece under it, and again on the destination plays it. Press P or Shift+Enter on the destination to promote. H moves the cursor to your pieces in hand and back.<byte value="xd"/>・Ctrl+1 Sente (first), Ctrl+2 Gote (second), Ctrl+N Start, PageUp Back, PageDown Forward, Ctrl+T Show pieces, Ctrl+R Flip, Ctrl+S Write, Ctrl+O Read.<byte value="xd"/>・Alt or F10 takes you to the menus, where the arrow keys and Enter choose; Alt with a menu&apos;s underlined letter opens that menu. Esc ends the game.</translation>
    </message>
    <message>
        <source>■ 勝ち負け<byte value="xd"/>・先に王手をかけた方が勝ちです。王手は受けられません。<byte value="xd"/>・自分の王に相手の駒が利いたままになる手を指すと負けです。<byte value="xd"/>・あなたの一手で両方の王に利きがかかると引き分けです。コンピュータの一手でそうなったときは、コンピュータの王手で勝ちです。<byte value="xd"/>・相手の角(成った角も)を取ると、取った方の負けです。<byte value="xd"/>・打ち歩で王手をかけてもかまいません。その王手で勝ちです。<byte value="xd"/>・千日手の決まりはありません。<byte value="xd"/>■ 駒の動き<byte value="xd"/>・歩: 前へ一マス。<byte value="xd"/>・香: 前へ何マスでも。駒は飛び越えられません。<byte value="xd"/>・桂: 二マス前の左右どちらかへ。間の駒を飛び越えます。<byte value="xd"/>・銀: 前と斜め四方へ一マス。<byte value="xd"/>・金: 前、斜め前、横、後ろへ一マス。成った歩・香・桂・銀も金と同じです。<byte value="xd"/>・角: 斜めに何マスでも。ただし駒を取れません。<byte value="xd"/>・飛: 縦横に何マスでも。<byte value="xd"/>・王: 八方へ一マス。<byte value="xd"/>・成った角: 角の動きと、八方へ一マス。取れるのは一マス動くときだけです。<byte value="xd"/>・成った飛: 飛の動きと、斜めへ一マス。<byte value="xd"/>■ 成り<byte value="xd"/>・相手側の三段に入る手で成れます。銀・角・飛はそこから出る手でも成れます。行き先を右クリックすると成ります。<byte value="xd"/>・歩と香は一番奥の段、桂は奥の二段へは成らずに進めません。右クリックで成って指します。<byte value="xd"/>・二歩: 自分の歩がある筋には歩を打てません。歩と香は一番奥の段、桂は奥の二段には打てません。<byte value="xd"/>■ 隠れた駒<byte value="xd"/>・コンピュータの駒は対局ごとに自陣の中で並べ替えられ、裏向きで置かれます。動かしたときは、どの駒かが表示されます。<byte value="xd"/>・いちばん前の段の駒も歩とは限らず、飛や香のこともあります。自分の王の前の筋は守っておきましょう。王だけは、いちばん前の段には置かれません。<byte value="xd"/>・裏向きの駒をクリックすると、目印の旗が赤、青、なしの順に替わります。覚え書きにどうぞ。<byte value="xd"/>・裏向きの駒へ指そうとして指せなかったときも、その駒の旗が替わります。<byte value="xd"/>■ 始め方<byte value="xd"/>・「対局」の「先手」か「後手」で始めます。強さは「COM対局ﾚﾍﾞﾙ」で選びます(LEVEL4 がいちばん強い)。選んだ強さは次に起動したときも使われます。<byte value="xd"/>・始める前なら、△ でコンピュータの駒を、▽ であなたの駒を一枚ずつ減らせます(21段階の駒落ち)。自分の駒を二つ続けてクリックすると入れ替えられます。<byte value="xd"/>■ 指し方<byte value="xd"/>・駒をクリックしてから行き先をクリックします。行き先を右クリックすると成ります。<byte value="xd"/>・持ち駒は駒台の駒をクリックしてから、打つ場所をクリックします。<byte value="xd"/>■ メニュー<byte value="xd"/>・戻 / 進: 一手ずつ前後の局面を見られます。「先手」「後手」で、見ている局面から続けて指せます。そのとき、見ている局面より後の手は消えます。<byte value="xd"/>・棋譜: 対局はすべて「棋譜」フォルダに残ります(新しい200局まで)。「書込」で名前を付けて保存し、「読込」で読み込んで見直したり続けたりできます。駒落ちや反転をした対局は書き込めません。<byte value="xd"/>・局面 → 最初: 新しい対局の最初の局面にします。<byte value="xd"/>・局面 → 一時表示: 次にクリックするまで、コンピュータの駒を表向きにします。<byte value="xd"/>・局面 → 反転: 盤を回して、相手の駒を受け持ちます。相手だった側の駒が表向きになり、棋譜はその局面から始め直します。<byte value="xd"/>・Esc キーで終了します。</source>
        <translation>■ Winning and losing<byte value="xd"/>・Whoever gives check first wins. A check cannot be answered.<byte value="xd"/>・A move that leaves your own king attacked loses.<byte value="xd"/>・If your move leaves both kings attacked, the game is drawn. If the computer&apos;s move does so, its check wins.<byte value="xd"/>・Whoever takes the opponent&apos;s bishop (promoted or not) loses.<byte value="xd"/>・A pawn dropped with check is allowed, and that check wins.<byte value="xd"/>・There is no repetition rule.<byte value="xd"/>■ How the pieces move<byte value="xd"/>・Pawn (歩, P): one square forward.<byte value="xd"/>・Lance (香, L): any number of squares forward. It cannot jump.<byte value="xd"/>・Knight (桂, N): to either square two ahead and one aside, jumping over what stands between.<byte value="xd"/>・Silver (銀, S): one square forward or diagonally.<byte value="xd"/>・Gold (金, G): one square forward, diagonally forward, sideways or back. Promoted pawns, lances, knights and silvers move as a gold.<byte value="xd"/>・Bishop (角, B): any number of squares diagonally, but it cannot capture.<byte value="xd"/>・Rook (飛, R): any number of squares along a file or a rank.<byte value="xd"/>・King (王, K): one square in any direction.<byte value="xd"/>・Promoted bishop: a bishop&apos;s moves and one square in any direction. It captures only with a one-square step.<byte value="xd"/>・Promoted rook: a rook&apos;s moves and one square diagonally.<byte value="xd"/>■ Promotion<byte value="xd"/>・A move into the opponent&apos;s three ranks may promote; a silver, bishop or rook may also promote moving out of them. Right-click the destination to promote.<byte value="xd"/>・A pawn or lance cannot go to the last rank, nor a knight to the last two, without promoting: right-click to promote as it moves.<byte value="xd"/>・Two pawns: you cannot drop a pawn on a file that already holds one of your pawns. Pawns and lances cannot be dropped on the last rank, nor knights on the last two.<byte value="xd"/>■ Hidden pieces<byte value="xd"/>・The computer&apos;s pieces are shuffled within its own camp for every game and stand face down. When one moves, its kind is shown.<byte value="xd"/>・A piece in the front row need not be a pawn: it may be a rook or a lance. Guard the file in front of your king. Only the king is never placed in the front row.<byte value="xd"/>・Clicking a face-down piece changes its flag: red, blue, none. Use it as a memo.<byte value="xd"/>・A move onto a face-down piece that is refused changes that piece&apos;s flag too.<byte value="xd"/>■ Starting<byte value="xd"/>・Start with &quot;Sente (first)&quot; or &quot;Gote (second)&quot; under &quot;Game&quot;. Choose the strength under &quot;Computer level&quot; (LEVEL4 is the strongest). The level chosen is used again at the next start.<byte value="xd"/>・Before the start, △ removes the computer&apos;s pieces and ▽ yours, one at a time (21 handicap steps). Clicking two of your own pieces in a row swaps them.<byte value="xd"/>■ Moving<byte value="xd"/>・Click a piece, then its destination. Right-click the destination to promote.<byte value="xd"/>・To drop a piece in hand, click it on the stand, then the square to drop it on.<byte value="xd"/>■ Menus<byte value="xd"/>・Back / Forward: step one move back or forward. &quot;Sente (first)&quot; or &quot;Gote (second)&quot; goes on playing from the position shown; the moves after it are dropped.<byte value="xd"/>・Record: every game stays in the &quot;棋譜&quot; folder (the newest 200). &quot;Write&quot; saves one under a name; &quot;Read&quot; loads one to review or to go on playing. Games with a handicap or a flip cannot be written.<byte value="xd"/>・Position → Start: the starting position of a new game.<byte value="xd"/>・Position → Show pieces: turns the computer&apos;s pieces face up until your next click.<byte value="xd"/>・Position → Flip: turns the board round, so that you take the other side&apos;s pieces. The other side&apos;s pieces turn face up, and the record starts again from that position.<byte value="xd"/>・Esc quits.</translation>
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
    <message>
        <source>対局履歴</source>
        <translation>Game history</translation>
    </message>
    <message>
        <source>戦績</source>
        <translation>Results</translation>
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
    <message>
        <source>戦績</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>戦績のファイルが壊れていたため、戦績を最初から数え直します</source>
        <translation>The results file was damaged; the results are counted afresh</translation>
    </message>
    <message>
        <source>戦績を保存できませんでした</source>
        <translation>The results could not be saved</translation>
    </message>
    <message>
        <source>対局履歴の情報を保存できませんでした</source>
        <translation>The game history could not be saved</translation>
    </message>
    <message>
        <source>対局履歴</source>
        <translation>Game history</translation>
    </message>
    <message>
        <source>この対局の棋譜を削除しますか？</source>
        <translation>Delete the record of this game?</translation>
    </message>
    <message>
        <source>棋譜を削除できませんでした</source>
        <translation>The record could not be deleted</translation>
    </message>
    <message>
        <source>対局の棋譜は保存されていません</source>
        <translation>No game records are kept</translation>
    </message>
    <message>
        <source>棋譜に書き込めない持駒の数があります</source>
        <translation>A number of pieces in hand cannot be written to a record</translation>
    </message>
    <message>
        <source>COM対局ﾚﾍﾞﾙ</source>
        <translation>Computer level</translation>
    </message>
</context>
<context>
    <name>Notation</name>
    <message>
        <source>同%1</source>
        <translation>%2</translation>
    </message>
    <message>
        <source>%1%2打</source>
        <translation>%1%2*</translation>
    </message>
    <message>
        <source>%1%2成%3</source>
        <translation>%1%2+%3</translation>
    </message>
    <message>
        <source>%1%2不成%3</source>
        <translation>%1%2=%3</translation>
    </message>
</context>
<context>
    <name>Record</name>
    <message>
        <source>コンピュータ LEVEL%1</source>
        <translation>COM LEVEL%1</translation>
    </message>
    <message>
        <source>先手 %1</source>
        <translation>Sente: %1</translation>
    </message>
    <message>
        <source>後手 %1</source>
        <translation>Gote: %1</translation>
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
<context>
    <name>Review</name>
    <message>
        <source>勝</source>
        <translation>W</translation>
    </message>
    <message>
        <source>分</source>
        <translation>D</translation>
    </message>
    <message>
        <source>負</source>
        <translation>L</translation>
    </message>
    <message>
        <source>レベル別の成績</source>
        <translation>Results by level</translation>
    </message>
    <message>
        <source>棋譜</source>
        <translation>Record</translation>
    </message>
    <message>
        <source>対局履歴</source>
        <translation>Game history</translation>
    </message>
    <message>
        <source>日時</source>
        <translation>Date</translation>
    </message>
    <message>
        <source>結果</source>
        <translation>Result</translation>
    </message>
    <message>
        <source>手番</source>
        <translation>Side</translation>
    </message>
    <message>
        <source>レベル</source>
        <translation>Level</translation>
    </message>
    <message>
        <source>ハンデ</source>
        <translation>Handicap</translation>
    </message>
    <message>
        <source>手数</source>
        <translation>Moves</translation>
    </message>
    <message>
        <source>Enter かダブルクリックで開き、Delete で削除します</source>
        <translation>Enter or a double click opens a game, Delete deletes it</translation>
    </message>
    <message>
        <source>開く</source>
        <translation>Open</translation>
    </message>
    <message>
        <source>閉じる</source>
        <translation>Close</translation>
    </message>
    <message>
        <source>開始局面</source>
        <translation>Start</translation>
    </message>
    <message>
        <source>戦績</source>
        <translation>Results</translation>
    </message>
    <message>
        <source>対局</source>
        <translation>Games</translation>
    </message>
    <message>
        <source>勝率</source>
        <translation>Won %</translation>
    </message>
    <message>
        <source>連勝</source>
        <translation>Streak</translation>
    </message>
    <message>
        <source>最多連勝</source>
        <translation>Best streak</translation>
    </message>
    <message>
        <source>破った最高ハンデ</source>
        <translation>Highest handicap beaten</translation>
    </message>
    <message>
        <source>一時表示</source>
        <translation>Show pieces</translation>
    </message>
    <message>
        <source>使用</source>
        <translation>used</translation>
    </message>
    <message>
        <source>まだ終局した対局がありません</source>
        <translation>No game has ended yet</translation>
    </message>
    <message>
        <source>Morovan&#x3000;指紋 %1</source>
        <translation>Morovan   fingerprint %1</translation>
    </message>
    <message>
        <source>グラフを表示できません（%1）</source>
        <translation>The chart cannot be shown (%1)</translation>
    </message>
    <message>
        <source>平手</source>
        <translation>Even</translation>
    </message>
    <message>
        <source>中断</source>
        <translation>Unfinished</translation>
    </message>
    <message>
        <source>引き分け</source>
        <translation>Draw</translation>
    </message>
    <message>
        <source>勝ち</source>
        <translation>Won</translation>
    </message>
    <message>
        <source>負け</source>
        <translation>Lost</translation>
    </message>
    <message>
        <source>指紋 %1&#x3000;秘密は終局まで明かしません</source>
        <translation>Fingerprint %1   secret kept until the game ends</translation>
    </message>
    <message>
        <source>指紋 %1&#x3000;秘密 %2&#x3000;✓</source>
        <translation>Fingerprint %1   secret %2   ✓</translation>
    </message>
    <message>
        <source>指紋 %1&#x3000;秘密 %2&#x3000;✗ 指紋と合いません</source>
        <translation>Fingerprint %1   secret %2   ✗ does not match the fingerprint</translation>
    </message>
    <message>
        <source>先手</source>
        <translation>Sente (first)</translation>
    </message>
    <message>
        <source>後手</source>
        <translation>Gote (second)</translation>
    </message>
</context>
</TS>
