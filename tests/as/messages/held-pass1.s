; a failing pass 1 ends the run: its messages come once, in source order,
; whoever found them (lexer, aliases, calculator, directives), and pass 2
; never runs to report the bad .long
        .data
        .ascii "\777"
        .alias V 1
        .alias V 2
        .skip 0f1.5 + 1
        .align 8 / 0
        .set loop, loop + 1
        .long loop
        .align 3
        .byte V
