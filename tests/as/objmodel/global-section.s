; a section symbol stays local whatever was said about the name before, so
; that every local symbol still precedes the globals
        .globl sec
        .weak sec2
        .section sec, "a"
        .section sec2, "a"
        .data
g:      .globl g
        .long sec2
