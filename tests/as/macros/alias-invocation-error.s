; an alias that has more after the name of a macro cannot give arguments
        .data
        .macro put v
        .byte \v
        .endm
        .alias PUT2 put 9
        PUT2
