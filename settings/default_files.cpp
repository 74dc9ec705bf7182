#include "default_files.h"

TextLines defaultShortcutLines() {
    return {L""};
}

TextLines defaultBookmarkLines() {
    return {L"エクスプローラ", L".txt", L".exe"};
}

TextLines defaultMenuLines() {
    return {
        L"イベントビューア\teventvwr.msc",   L"コントロールパネル\tcontrol",
        L"コンピューターの管理\tcompmgmt.msc", L"サービス\tservices.msc",
        L"スタートアップ\tshell:startup",     L"タスクスケジューラ\ttaskschd.msc",
        L"ディスクの管理\tdiskmgmt.msc",       L"デバイスマネージャ\tdevmgmt.msc",
        L"パフォーマンスモニタ\tperfmon.msc",  L"送る\tshell:sendto",
    };
}

// No [hotkey] section: the first save of the show hotkey adds it.
TextLines defaultConfigLines() {
    return {
        L"[open]",         L"F6=notepad",     L"F7=",           L"F8=",           L"F9=",
        L"[task]",         L"autoClose=",     L"notShowList=",  L"notShowTask=",  L"taskZeroShow=0",
        L"[etc]",          L"startHide=0",    L"[num]",         L"dataMonth=0",   L"maxList=15",
        L"[color]",        L"listR=245",      L"listG=245",     L"listB=245",     L"viewTaskR=240",
        L"viewTaskG=248",  L"viewTaskB=255",  L"viewFileR=255", L"viewFileG=250", L"viewFileB=250",
        L"bookmarkR=220",  L"bookmarkG=220",  L"bookmarkB=220", L"textR=255",     L"textG=255",
        L"textB=255",
    };
}
