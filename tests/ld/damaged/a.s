; the object every case below damages in one place
        .data
        .globl value
value:  .long 5
        .long value
        .text
        .globl main
main:   rdl value
        complete
