; Two objects linked for ZP200: code is linear, addresses are bytes, data
; lies from 0x40000 on.
        .data
v:      .long 7
        .text
        .globl start
start:
        rdl v
        addl @1, [#8, 4]
        wrl @2, [#9, v]
        jmp next
        complete
