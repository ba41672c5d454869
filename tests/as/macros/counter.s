; \@ counts the macro expansions of the run from 0; an .irp body sees the
; count at the .irp, whatever its iterations, and counts none itself
        .data
        .macro count
        .byte \@
        .endm
        .macro label
here\@: .byte 0xee
        .endm
        count                   ; 0
        count                   ; 1
        .irp v, 1, 2
        .byte \@                ; 2, 2
        .endr
        count                   ; 2
        .macro both
        .byte \@
        .irp v, a, b
        .byte \@
        .endr
        .endm
        both                    ; 3, 3, 3
        label                   ; here4
        label                   ; here5
        .rept 2
        count                   ; 6, 7
        .endr
