; a macro named by an alias takes its arguments from the line after it
        .data
        .macro put v
        .byte \v
        .endm
        .alias PUT put
        PUT 5
        PUT 6
