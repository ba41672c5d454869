        .data
        .globl x, z
        .long 0
x:      .long 1
        .set z, 5
        .text
        .globl y
y:      getl #1
        complete
