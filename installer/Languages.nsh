; The utility's 24 languages in the order of its language table: the value "Language" is the row.
; Names in English, so that every name shows with the fonts any system has.

!macro FillLanguageList list
    ${NSD_CB_AddString} ${list} "English"
    ${NSD_CB_AddString} ${list} "German"
    ${NSD_CB_AddString} ${list} "Swedish"
    ${NSD_CB_AddString} ${list} "French"
    ${NSD_CB_AddString} ${list} "Dutch"
    ${NSD_CB_AddString} ${list} "Italian"
    ${NSD_CB_AddString} ${list} "Spanish"
    ${NSD_CB_AddString} ${list} "Danish"
    ${NSD_CB_AddString} ${list} "Finnish"
    ${NSD_CB_AddString} ${list} "Norwegian"
    ${NSD_CB_AddString} ${list} "Greek"
    ${NSD_CB_AddString} ${list} "Portuguese"
    ${NSD_CB_AddString} ${list} "Russian"
    ${NSD_CB_AddString} ${list} "Polish"
    ${NSD_CB_AddString} ${list} "Hungarian"
    ${NSD_CB_AddString} ${list} "Czech"
    ${NSD_CB_AddString} ${list} "Slovenian"
    ${NSD_CB_AddString} ${list} "Slovak"
    ${NSD_CB_AddString} ${list} "Romanian"
    ${NSD_CB_AddString} ${list} "Bulgarian"
    ${NSD_CB_AddString} ${list} "Croatian"
    ${NSD_CB_AddString} ${list} "Simplified Chinese"
    ${NSD_CB_AddString} ${list} "Korean"
    ${NSD_CB_AddString} ${list} "Japanese"
!macroend

; The row of the system's user-interface language (0, English, when the utility has none); on the stack.
Function SystemLanguageIndex
    System::Call 'kernel32::GetUserDefaultUILanguage() i.r0'
    IntOp $0 $0 & 0x3FF
    ${Switch} $0
        ${Case} 7
            Push 1
            ${Break}
        ${Case} 29
            Push 2
            ${Break}
        ${Case} 12
            Push 3
            ${Break}
        ${Case} 19
            Push 4
            ${Break}
        ${Case} 16
            Push 5
            ${Break}
        ${Case} 10
            Push 6
            ${Break}
        ${Case} 6
            Push 7
            ${Break}
        ${Case} 11
            Push 8
            ${Break}
        ${Case} 20
            Push 9
            ${Break}
        ${Case} 8
            Push 10
            ${Break}
        ${Case} 22
            Push 11
            ${Break}
        ${Case} 25
            Push 12
            ${Break}
        ${Case} 21
            Push 13
            ${Break}
        ${Case} 14
            Push 14
            ${Break}
        ${Case} 5
            Push 15
            ${Break}
        ${Case} 36
            Push 16
            ${Break}
        ${Case} 27
            Push 17
            ${Break}
        ${Case} 24
            Push 18
            ${Break}
        ${Case} 2
            Push 19
            ${Break}
        ${Case} 26
            Push 20
            ${Break}
        ${Case} 4
            Push 21
            ${Break}
        ${Case} 18
            Push 22
            ${Break}
        ${Case} 17
            Push 23
            ${Break}
        ${Default}
            Push 0
    ${EndSwitch}
FunctionEnd
