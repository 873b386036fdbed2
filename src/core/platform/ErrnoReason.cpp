#include <cerrno>
#include <cstring>

#include "platform/SystemReason.h"

namespace lp {

std::string errnoReason(int number) {
    switch (number) {
    case ENOENT: return "找不到路径";
    case ENOTDIR: return "路径中有一部分不是文件夹";
    case EISDIR: return "这是一个文件夹";
    case EACCES: return "拒绝访问，权限不够";
    case EPERM: return "不允许的操作";
    case EROFS: return "文件系统是只读的";
    case ENOSPC: return "磁盘空间不足";
#ifdef EDQUOT
    case EDQUOT: return "超出了磁盘配额";
#endif
    case EFBIG: return "文件太大";
    case ENAMETOOLONG: return "文件名太长";
#ifdef ELOOP
    case ELOOP: return "符号链接构成循环";
#endif
    case EEXIST: return "文件已存在";
    case EBUSY: return "文件或设备正忙";
#ifdef ETXTBSY
    case ETXTBSY: return "文件正被执行，不能写入";
#endif
    case EMFILE:
    case ENFILE: return "打开的文件太多";
    case EIO: return "输入输出错误";
    case ENOMEM: return "内存不足";
    case EXDEV: return "不能跨文件系统移动文件";
    case EINVAL: return "参数无效";
    case EAGAIN: return "资源暂时不可用";
    case EINTR: return "操作被中断";
    case ENXIO: return "没有这个设备或地址";
    case ENODEV: return "没有这个设备";
    default: break;
    }
    const char* text = std::strerror(number);
    return std::string(text ? text : "") + "（错误 " + std::to_string(number) + "）";
}

}  // namespace lp
