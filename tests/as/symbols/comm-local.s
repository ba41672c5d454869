; a common declared local or weak first is allocated in .bss
        .bss
        .byte 1
        .local y
        .comm y, 4, 8
        .comm z, 2
after:  .byte 2
        .data
        .local w
        .comm w, 1, 4
