; Every kind of thing a source puts into an object: sections of every
; sort, data with relocations of each width, strings, commons, symbols
; with binding, type and size, absolute symbols and a symbol in the middle
; of a paragraph.
        .globl  main, table
        .weak   hook
        .type   main, STT_FUNC
        .comm   shared, 16, 8
        .lcomm  scratch, 12
        .set    limit, 0x1234

        .data
table:  .long   3, main, here+4, ext-8
        .short  0x1234, table
        .byte   1, 2, hook
        .quad   ext+16
        .asciz  "table of four"
        .skip   20
here:   .byte   0xff
        .size   table, here-table

        .section .rodata, "a"
        .long   0x01020304, table+2
        .section .str, "aMS", @progbits, 1
msg:    .asciz  "hello"
        .section .note.x, "", @note
        .byte   9

        .text
main:
        rdl     table+8
        getl    limit
        addl    @1, @2
        wrl     @1, shared
        jmp     .Lnext
        complete
.Lnext:
        getl    msg+2
        getsl   -300
        complete
        .set    middle, .Lnext+8
