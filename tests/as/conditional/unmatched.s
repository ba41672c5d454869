; closers and branch directives without their opener are reported and
; otherwise ignored; .else and .endif look only at the top of the stack
        .data
        .endif
        .else
        .elseif 1
        .if 1
        .endr
        .endif
        .rept 2
        .else
        .endif
        .endr
        .byte 1
