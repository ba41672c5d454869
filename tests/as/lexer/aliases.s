; aliases expand where they are used; lines go on after a backslash
        .data
        .alias TWO 2
        .alias PAIR TWO, TWO
        .byte PAIR, \
              3
        .alias TWO 4
        .byte PAIR
        .alias EMPTY
        .byte 1 EMPTY
