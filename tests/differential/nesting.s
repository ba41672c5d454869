/* macros that define and invoke macros, recursion ended by its condition
   or by .exitm, .purgem and a definition made again, and \@ */
        .data
        .macro define name, value
        .macro \name
        .byte \value
        .endm
        .endm
        define one, 1
        define two, 2
        one
        two
        .purgem one
        define one, 0x11
        one
        .macro down n
        .byte \n
        .if \n
        down "(\n - 1)"
        .endif
        .endm
        down 5
        .macro upto n, limit
        .if \n > \limit
        .exitm
        .endif
        .byte \n
        upto "(\n + 1)", \limit
        .byte 0xff
        .endm
        upto 1, 4
        .macro twice what
        \what
        \what
        .endm
        twice two
        .macro count
        .byte \@
        .endm
        count
        count
        .irp v, 1, 2
        .byte \@
        .endr
        .macro both
        .byte \@
        .irp v, a, b
        .byte \@
        .endr
        count
        .endm
        both
        count
        .rept 3
        count
        .endr
        .macro deep n
        .if \n < 99
        deep "(\n + 1)"
        .exitm
        .endif
        .byte \n
        .endm
        deep 0
