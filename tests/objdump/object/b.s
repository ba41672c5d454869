; The same program for ZP200 in its own syntax: brackets, the null
; reference, indexed memory accesses.
        .data
count:  .long 3
table:  .long 10, 20, 30

        .text
        .globl main
main:
        rdl count
        rdl [#8, 4]
        addl @1, [@2]
        addl @1, @2, 7
        move @1
        wrl @1, [#9, table]
        complete
