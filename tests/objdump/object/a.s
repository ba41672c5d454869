; Code with labels, results used at a distance, registers, immediates of
; several types and V words that name data, code and undefined symbols.
        .data
count:  .long 3
table:  .long 10, 20, 30
        .byte 1

        .text
        .globl main
main:
        rdl count               ; memory access through the V word
        getl 5
        addl @1, @2
        addl @1, #3             ; a general register
        addl @3, #32            ; an index register: indirect in V1
        getsb -2                ; a narrow type keeps its sign
        addf @1, 0f1.5
        wrl @2, table+4
        jne @2, loop
        complete

loop:
        getl ext+8              ; an undefined symbol
        setl #48, @1
        exa #33, 16
        jmp main
        complete
