; macros that define and invoke macros, recursion that ends by .exitm or
; by its condition, .purgem and a definition made again
        .data
        .macro define name, value
        .macro \name
        .byte \value
        .endm
        .endm
        define one, 1
        define two, 2
        one                     ; 01
        two                     ; 02
        .purgem one
        define one, 0x11
        one                     ; 11
        .macro down n
        .byte \n
        .if \n
        down "(\n - 1)"
        .endif
        .endm
        down 3                  ; 03 02 01 00
        .macro upto n, limit
        .if \n > \limit
        .exitm
        .endif
        .byte \n
        upto "(\n + 1)", \limit
        .byte 0xff              ; reached on the way back out
        .endm
        upto 1, 3               ; 01 02 03 ff ff ff
        .macro twice what
        \what
        \what
        .endm
        twice two               ; 02 02
        .macro deep n
        .if \n < 99
        deep "(\n + 1)"
        .exitm
        .endif
        .byte \n                ; 100 levels of macros
        .endm
        deep 0                  ; 63
twice:  .byte 0x55               ; a label, although a macro has its name
