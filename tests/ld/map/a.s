; every kind of symbol the map shows
        .weak maybe             ; undefined weak: stays *UND*
        .weak soft
        .globl main, odd
        .set limit, 0x12345678
        .globl limit
        .comm pool, 8, 4
        .data
local:  .long maybe
soft:   .long 2
        .text
main:   getl #1
        complete
odd:    getl #2
        complete
alongnamethatfillsthewholecolumnofforty: getl #3
        complete
